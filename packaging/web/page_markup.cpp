// Writes what the page is built from, at build time: the window's HTML, so
// that the browser paints the whole window while the program is still
// compiling; the tools' style; the numbers and tables the page's JavaScript
// shares with the program; and, for the faces the page embeds, every text
// each face shows in every language, with the captions whose parts the page
// pins apart.
// usage: page_markup window|style|constants|texts
#include "layout/layout.h"
#include "layout/layout_words.h"
#include "markup.h"
#include "page_constants.h"
#include "settings/settings.h"
#include "words/catalogue.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace {

using quorvel::platform::Text;
namespace words = quorvel::words;

// A text as a JSON string, UTF-8 as it is.
std::string Json(const Text &text) {
    std::string out = "\"";
    for (const std::uint8_t byte : quorvel::platform::ToUtf8(text)) {
        if (byte == '"' || byte == '\\')
            out += '\\';
        if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out + "\"";
}

// Which face a font is in the page: the sans, or the serif, upright or bold.
std::string Face(const quorvel::platform::Font &font) {
    if (std::strncmp(font.family, "Times", 5) != 0)
        return "sans";
    return font.bold ? "serifBold" : "serif";
}

// {"sans": [texts], "serif": [...], "serifBold": [...], "pins": [{"id", "size",
// "texts"}]}: the sans shows every phrase, somewhere, and every value of a
// setting; a serif only the captions set in it.
std::string Texts() {
    const auto rows = quorvel::layout::Controls();
    const quorvel::platform::Font windowFont = quorvel::layout::MainWindow().font;
    std::set<Text> sans, serif, serifBold;
    std::string pins;
    for (const words::Language language : words::Language::All())
        for (std::size_t phrase = 0; phrase < words::PhraseCount; ++phrase)
            for (unsigned long count : {1ul, 2ul, 5ul, 11ul, 21ul, 101ul})
                sans.insert(words::SayCount(language, static_cast<words::Phrase>(phrase), count));
    // The panel's boxes show each setting's values: digits, "∞" and the separators.
    for (const quorvel::settings::Setting &setting : quorvel::settings::Listed())
        for (int position = 0; position <= setting.lastPosition(); ++position)
            sans.insert(quorvel::settings::ValueText(setting, position));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].caption == quorvel::platform::NoCaption)
            continue;
        const quorvel::platform::Font &font = rows[i].font.family ? rows[i].font : windowFont;
        std::string texts;
        for (const words::Language language : words::Language::All()) {
            const Text caption =
                quorvel::layout::FormWordsIn(language, quorvel::settings::Defaults())
                    .captions.at(i);
            (Face(font) == "serif"       ? serif
             : Face(font) == "serifBold" ? serifBold
                                         : sans)
                .insert(caption);
            texts += (texts.empty() ? "" : ", ") + Json(caption);
        }
        if (rows[i].kind == quorvel::platform::Kind::Label && Face(font) == "sans")
            pins += std::string(pins.empty() ? "" : ", ") + "{\"id\": " + std::to_string(i) +
                    ", \"size\": " + std::to_string(font.pointSize * 96.0 / 72.0) +
                    ", \"texts\": [" + texts + "]}";
    }
    const auto list = [](const std::set<Text> &texts) {
        std::string out;
        for (const Text &text : texts)
            out += (out.empty() ? "" : ", ") + Json(text);
        return "[" + out + "]";
    };
    // The page's description for search engines, in the language it is built in.
    return "{\"description\": " +
           Json(words::Say(words::Language::English(), words::Phrase::AboutSummary)) +
           ", \"sans\": " + list(sans) + ", \"serif\": " + list(serif) +
           ", \"serifBold\": " + list(serifBold) + ", \"pins\": [" + pins + "]}";
}

// A tag in lower case, as the program compares tags.
Text Lower(Text tag) {
    for (char16_t &c : tag)
        c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    return tag;
}

// The language the program's own LanguageOf takes for a tag: its index, or
// -1 where it speaks none.
int Chosen(const Text &tag) {
    const std::optional<words::Language> language = words::LanguageOf(tag);
    return language ? static_cast<int>(language->index()) : -1;
}

// What the page finds for a tag in the table: the tag, else the tag without
// its last part, and so on ("zh-hant-tw", "zh-hant", "zh"); -1 for none.
int Found(const std::map<Text, int> &table, Text tag) {
    for (;;) {
        if (const auto found = table.find(tag); found != table.end())
            return found->second;
        const std::size_t cut = tag.rfind(u'-');
        if (cut == Text::npos)
            return -1;
        tag.resize(cut);
    }
}

// The table the page chooses its first frame's language by, so that it
// chooses as the program does without a rule of its own: each language's
// own tag, and every tag for which the program's LanguageOf takes another
// language than the page would find without it, of each language's first
// part and up to two of the parts the languages' tags and scripts name
// ("zh-tw": none, "zh-hans-tw": Simplified), the shorter first.
std::map<Text, int> Choices() {
    std::map<Text, int> table;
    std::set<Text> firsts, others;
    const words::LanguageScripts &scripts = words::Scripts();
    others.insert(Text(scripts.usual));
    others.insert(Text(scripts.other));
    for (const std::u16string_view region : scripts.otherRegions)
        others.insert(Text(region));
    for (const words::Language language : words::Language::All()) {
        const Text tag = Lower(language.tag());
        table[tag] = static_cast<int>(language.index());
        firsts.insert(tag.substr(0, tag.find(u'-')));
        for (std::size_t at = tag.find(u'-'); at != Text::npos;) {
            const std::size_t end = tag.find(u'-', at + 1);
            others.insert(tag.substr(at + 1, end == Text::npos ? end : end - at - 1));
            at = end;
        }
    }
    std::vector<Text> tags(firsts.begin(), firsts.end());
    for (const std::size_t from : {std::size_t{0}, firsts.size()}) {
        const std::size_t to = tags.size();
        for (std::size_t i = from; i < to; ++i)
            for (const Text &other : others)
                tags.push_back(tags[i] + u'-' + other);
    }
    for (const Text &tag : tags)
        if (const int chosen = Chosen(tag); Found(table, tag) != chosen)
            table[tag] = chosen;
    return table;
}

// What the page shows before the program has started, in the browser's own
// language rather than the one it was built in: the program's words for its
// title, its line for a phone and its captions, by row, in every language
// but the built one, and the table of Choices to look a tag up in; the
// program chooses again once it runs, as that table does.
std::string FirstWords() {
    const auto rows = quorvel::layout::Controls();
    std::string whole, words, descriptions;
    for (const auto &[tag, chosen] : Choices())
        whole += (whole.empty() ? "" : ", ") + Json(tag) + ": " + std::to_string(chosen);
    for (const words::Language language : words::Language::All()) {
        const std::string index = std::to_string(language.index());
        // The page's description, which follows the language it shows.
        descriptions += (descriptions.empty() ? "" : ", ") + index + ": " +
                        Json(words::Say(language, words::Phrase::AboutSummary));
        if (language == words::Language::English())
            continue;
        const quorvel::platform::FormWords shown =
            quorvel::layout::FormWordsIn(language, quorvel::settings::Defaults());
        std::string captions;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (!shown.captions[i].empty())
                captions += (captions.empty() ? "" : ", ") + std::string("\"") + std::to_string(i) +
                            "\": " + Json(shown.captions[i]);
        words += ",\n    " + index + ": {title: " + Json(shown.title) +
                 ", lang: " + Json(shown.language) +
                 ", rtl: " + (shown.rightToLeft ? "true" : "false") +
                 ", hint: " + Json(shown.turnHint) + ", captions: {" + captions + "}}";
    }
    return "var QuorvelFirstWords = {\n  whole: {" + whole + "},\n  descriptions: {" +
           descriptions + "},\n  words: {" + words.substr(words.empty() ? 0 : 1) + "}\n};\n";
}

} // namespace

int main(int argc, char **argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    std::string text;
    if (what == "window")
        text = quorvel::platform::web::WindowMarkup(
            quorvel::layout::MainWindow(), quorvel::layout::Controls(),
            quorvel::layout::FormWordsIn(words::Language::English(),
                                         quorvel::settings::Defaults()));
    else if (what == "style")
        text = quorvel::platform::web::ToolsStyle();
    else if (what == "constants")
        text = quorvel::platform::web::PageConstants() + FirstWords();
    else if (what == "texts")
        text = Texts();
    else {
        std::fprintf(stderr, "usage: page_markup window|style|constants|texts\n");
        return 2;
    }
    std::fputs(text.c_str(), stdout);
    std::fputs("\n", stdout); // the newline is what flushes it
    return 0;
}
