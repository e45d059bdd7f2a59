#include "words/catalogue.h"

#include "words/language_table.h"

#include <algorithm>

namespace quorvel::words {

namespace {

const LanguageTable &Table(Language language) {
    return LanguageTables()[language.index()];
}

char16_t Lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// A tag as it is compared: lower case, parts apart by "-", without a locale
// name's encoding or modifier ("pt_BR.UTF-8@euro" is "pt-br").
std::u16string Normalised(std::u16string_view tag) {
    std::u16string out;
    for (const char16_t c : tag) {
        if (c == u'.' || c == u'@')
            break;
        out += c == u'_' ? u'-' : Lower(c);
    }
    return out;
}

std::u16string_view LanguagePart(std::u16string_view tag) {
    return tag.substr(0, tag.find(u'-'));
}

// The script a normalised tag is written in, where its language has more
// than one: the tag's own ("zh-hant-hk"), or else the one its region
// writes. Empty for other languages.
std::u16string_view ScriptOf(std::u16string_view tag) {
    const LanguageScripts &scripts = Scripts();
    if (LanguagePart(tag) != scripts.language)
        return {};
    std::u16string_view script = scripts.usual;
    for (std::size_t start = tag.find(u'-'); start != tag.npos;) {
        const std::size_t end = tag.find(u'-', start + 1);
        const std::u16string_view part = tag.substr(start + 1, end - start - 1);
        if (part.size() == 4)
            return part;
        if (std::find(scripts.otherRegions.begin(), scripts.otherRegions.end(), part) !=
            scripts.otherRegions.end())
            script = scripts.other;
        start = end;
    }
    return script;
}

// The text of a phrase with each {name} in it replaced; "{{" and "}}" are
// braces themselves. The catalogues are checked when they are built, so every
// name has its value; one without keeps its braces, where a reader sees it.
// In a language written right to left each value is isolated (U+2068 first
// strong isolate ... U+2069), so that a number's minus sign or a file's path
// keeps its own order and does not reorder the sentence around it.
platform::Text Filled(std::string_view text, std::initializer_list<Arg> args,
                      bool isolated = false) {
    platform::Text out;
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if ((c == '{' || c == '}') && at + 1 < text.size() && text[at + 1] == c) {
            out += platform::FromUtf8(text.substr(start, at + 1 - start));
            start = ++at + 1;
            continue;
        }
        if (c != '{')
            continue;
        const std::size_t end = text.find('}', at);
        if (end == text.npos)
            break;
        const std::string_view name = text.substr(at + 1, end - at - 1);
        const auto arg =
            std::find_if(args.begin(), args.end(), [name](const Arg &a) { return a.name == name; });
        if (arg == args.end())
            continue;
        out += platform::FromUtf8(text.substr(start, at - start));
        if (isolated)
            out += u'\u2068';
        out += arg->value;
        if (isolated)
            out += u'\u2069';
        start = end + 1;
        at = end;
    }
    return out + platform::FromUtf8(text.substr(start));
}

} // namespace

const LanguageScripts &Scripts() {
    static constexpr LanguageScripts Chinese{u"zh", u"hans", u"hant", {u"tw", u"hk", u"mo"}};
    return Chinese;
}

std::vector<Language> Language::All() {
    std::vector<Language> all;
    for (std::size_t i = 0; i < LanguageTables().size(); ++i)
        all.push_back(Language(i));
    return all;
}

platform::Text Language::tag() const {
    platform::Text tag = platform::FromUtf8(Table(*this).tag);
    std::replace(tag.begin(), tag.end(), u'_', u'-');
    return tag;
}

platform::Text Language::name() const {
    return platform::FromUtf8(Table(*this).name);
}

bool Language::rightToLeft() const {
    return Table(*this).rightToLeft;
}

platform::Text Say(Language language, Phrase phrase, std::initializer_list<Arg> args) {
    const std::string_view text = Table(language).texts[static_cast<std::size_t>(phrase)];
    return Filled(text.substr(0, text.find('\0')), args, language.rightToLeft());
}

platform::Text InTurn(Language language, Phrase phrase, std::string_view sofar,
                      std::string_view next, std::span<const platform::Text *const> items) {
    if (items.empty())
        return {};
    const std::string_view text = Table(language).texts[static_cast<std::size_t>(phrase)];
    const std::string_view form = text.substr(0, text.find('\0'));
    // With the phrase as "A{sofar}B{next}C", joining in turn gives A...A, one
    // A an item after the first, the first item, then B item C for each of
    // the others. A phrase that puts them the other way round, or leaves one
    // out, is joined by Say after Say.
    constexpr char16_t Sofar = u'\uFFFE', Next = u'\uFFFF'; // noncharacters: in no phrase
    const bool isolated = language.rightToLeft();
    const platform::Text marked = Filled(
        form, {{sofar, platform::Text(1, Sofar)}, {next, platform::Text(1, Next)}}, isolated);
    const std::size_t at = marked.find(Sofar), then = marked.find(Next);
    if (at == marked.npos || then == marked.npos || then < at ||
        marked.find_first_of(u"\uFFFE\uFFFF", then + 1) != marked.npos ||
        marked.find(Sofar, at + 1) != then) {
        platform::Text joined = *items[0];
        for (std::size_t i = 1; i < items.size(); ++i)
            joined = Filled(form, {{sofar, joined}, {next, *items[i]}}, isolated);
        return joined;
    }
    const std::u16string_view whole = marked, before = whole.substr(0, at),
                              between = whole.substr(at + 1, then - at - 1),
                              after = whole.substr(then + 1);
    std::size_t length = items[0]->size();
    for (std::size_t i = 1; i < items.size(); ++i)
        length += before.size() + between.size() + items[i]->size() + after.size();
    platform::Text out;
    out.reserve(length);
    for (std::size_t i = 1; i < items.size(); ++i)
        out += before;
    out += *items[0];
    for (std::size_t i = 1; i < items.size(); ++i) {
        out += between;
        out += *items[i];
        out += after;
    }
    return out;
}

platform::Text SayCount(Language language, Phrase phrase, unsigned long count,
                        std::initializer_list<Arg> args) {
    const LanguageTable &table = Table(language);
    std::string_view forms = table.texts[static_cast<std::size_t>(phrase)];
    for (std::size_t form = std::min(table.plural(count), table.forms - 1); form > 0; --form) {
        const std::size_t next = forms.find('\0');
        if (next == forms.npos)
            break;
        forms.remove_prefix(next + 1);
    }
    return Filled(forms.substr(0, forms.find('\0')), args, language.rightToLeft());
}

std::optional<Language> LanguageOf(std::u16string_view tag) {
    const std::u16string wanted = Normalised(tag);
    if (wanted.empty())
        return std::nullopt;
    const std::span<const LanguageTable> tables = LanguageTables();
    for (std::size_t i = 0; i < tables.size(); ++i)
        if (Normalised(platform::FromUtf8(tables[i].tag)) == wanted)
            return Language(i);
    for (std::size_t i = 0; i < tables.size(); ++i)
        if (const std::u16string table = Normalised(platform::FromUtf8(tables[i].tag));
            LanguagePart(table) == LanguagePart(wanted) && ScriptOf(table) == ScriptOf(wanted))
            return Language(i);
    return std::nullopt;
}

Language ChooseLanguage(std::span<const platform::Text> preferred) {
    for (const platform::Text &tag : preferred)
        if (const std::optional<Language> language = LanguageOf(tag))
            return *language;
    return Language::English();
}

platform::Text ListOf(Language language, const std::vector<platform::Text> &items) {
    if (items.empty())
        return {};
    if (items.size() == 2)
        return Say(language, Phrase::ListOfTwo, {{"first", items[0]}, {"second", items[1]}});
    platform::Text list = items[0];
    for (std::size_t i = 1; i < items.size(); ++i)
        list = Say(language, i + 1 == items.size() ? Phrase::ListEnd : Phrase::ListMiddle,
                   {{"list", list}, {"item", items[i]}});
    return list;
}

} // namespace quorvel::words
