#include "lesson/setup_link.h"

#include <array>
#include <optional>

namespace quorvel {

namespace {

using Action = SetupStep::Action;

constexpr struct {
    std::u16string_view word;
    Action action;
    int values;
} Words[] = {{u"run", Action::Run, 4}, {u"wmean", Action::WMean, 3}, {u"set", Action::Set, 4}};

// The step that names the window's language, once, wherever it stands.
constexpr std::u16string_view Language = u"lang=";

// A value as a bar position on a grid of `divisor` steps from 0 to 1, read
// from its decimal text exactly: "0.25" is 25 hundredths, and "0.255" none.
std::optional<int> Position(std::u16string_view text, int divisor) {
    constexpr std::size_t Longest = 8; // "0.125000": a few spare zeros
    if (text.empty() || text.size() > Longest || (text[0] != u'0' && text[0] != u'1'))
        return std::nullopt;
    long whole = text[0] - u'0';
    std::size_t at = 1;
    long scaled = whole * divisor;
    if (at < text.size()) {
        if (text[at] != u'.' || at + 1 == text.size())
            return std::nullopt;
        long place = divisor;
        for (++at; at < text.size(); ++at) {
            const char16_t c = text[at];
            if (c < u'0' || c > u'9')
                return std::nullopt;
            if (place % 10 != 0) { // past the grid: only zeros may follow
                if (c != u'0')
                    return std::nullopt;
                continue;
            }
            place /= 10;
            scaled += (c - u'0') * place;
        }
    }
    if (scaled > divisor)
        return std::nullopt;
    return static_cast<int>(scaled);
}

std::vector<std::u16string_view> Split(std::u16string_view text, char16_t separator) {
    std::vector<std::u16string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == text.npos ? text.npos : end - start));
        if (end == text.npos)
            return parts;
        start = end + 1;
    }
}

LinkFault Fault(LinkFault::Kind kind, std::u16string_view step, std::u16string_view value = {}) {
    return {kind, platform::Text(step), platform::Text(value)};
}

// A language's tag as BCP 47 and gettext write one: two or three letters,
// then parts of letters and digits after "-" or "_" ("pt-BR", "pt_BR").
bool IsTag(std::u16string_view tag) {
    const auto letter = [](char16_t c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    };
    std::size_t at = 0;
    while (at < tag.size() && letter(tag[at]))
        ++at;
    if (at < 2 || at > 3)
        return false;
    while (at < tag.size()) {
        if (tag[at] != u'-' && tag[at] != u'_')
            return false;
        const std::size_t start = ++at;
        while (at < tag.size() && (letter(tag[at]) || (tag[at] >= u'0' && tag[at] <= u'9')))
            ++at;
        if (at == start || at - start > 8)
            return false;
    }
    return true;
}

// One step's text, or what is wrong with it.
std::variant<SetupStep, LinkFault> ParseStep(std::u16string_view text) {
    using Kind = LinkFault::Kind;
    const std::size_t equals = text.find(u'=');
    if (equals == text.npos)
        return Fault(Kind::NotAStep, text);
    const std::u16string_view word = text.substr(0, equals);
    for (const auto &known : Words) {
        if (word != known.word)
            continue;
        const std::vector<std::u16string_view> values = Split(text.substr(equals + 1), u',');
        if (static_cast<int>(values.size()) != known.values)
            return Fault(known.values == 3 ? Kind::NeedsThreeValues : Kind::NeedsFourValues, text);
        SetupStep step{known.action};
        int *const targets[] = {&step.w1, &step.w2, &step.w3, &step.p0};
        for (std::size_t i = 0; i < values.size(); ++i) {
            const bool fitness = i < 3;
            const std::optional<int> position = Position(values[i], fitness ? 100 : 1000);
            if (!position)
                return Fault(fitness ? Kind::NotAFitness : Kind::NotAFrequency, text, values[i]);
            *targets[i] = *position;
        }
        return step;
    }
    return Fault(Kind::UnknownWord, text);
}

void AppendPosition(std::string &out, int position, int divisor) {
    if (position == 0 || position == divisor) {
        out += position == 0 ? '0' : '1';
        return;
    }
    std::string digits = std::to_string(position);
    digits.insert(0, std::to_string(divisor).size() - 1 - digits.size(), '0');
    while (digits.back() == '0')
        digits.pop_back();
    out += "0." + digits;
}

// A link that went through a mail or a learning platform may come with its
// own characters escaped ("%3B" for ";"). Only those are taken back; any
// other escape stays as it is, for the message to quote.
platform::Text Unescaped(std::u16string_view link) {
    const auto hex = [](char16_t c) {
        return c >= u'0' && c <= u'9'   ? c - u'0'
               : c >= u'a' && c <= u'f' ? c - u'a' + 10
               : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                        : -1;
    };
    platform::Text text;
    for (std::size_t i = 0; i < link.size(); ++i) {
        if (link[i] == u'%' && i + 2 < link.size() && hex(link[i + 1]) >= 0 &&
            hex(link[i + 2]) >= 0) {
            const auto c = static_cast<char16_t>(hex(link[i + 1]) * 16 + hex(link[i + 2]));
            if (c == u',' || c == u';' || c == u'=' || c == u'.' || c == u'-' || c == u'_' ||
                (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) {
                text += c;
                i += 2;
                continue;
            }
        }
        text += link[i];
    }
    return text;
}

} // namespace

std::variant<Setup, LinkFault> ParseSetupLink(std::u16string_view link) {
    using Kind = LinkFault::Kind;
    constexpr std::size_t Longest = 64 * 1024;
    if (link.size() > Longest)
        return Fault(Kind::TooLong, {});
    const std::size_t hash = link.find(u'#');
    if (hash != link.npos)
        link.remove_prefix(hash + 1);
    else if (link.find(u"://") != link.npos)
        return Fault(Kind::NoSteps, {});
    if (link.empty())
        return Fault(Kind::NoSteps, {});
    const platform::Text unescaped = Unescaped(link);
    Setup setup;
    std::u16string_view languageStep;
    for (const std::u16string_view text : Split(unescaped, u';')) {
        if (text.starts_with(Language)) {
            const std::u16string_view tag = text.substr(Language.size());
            if (!IsTag(tag))
                return Fault(Kind::NotALanguage, text, tag);
            if (!languageStep.empty())
                return Fault(Kind::LanguageTwice, languageStep, text);
            languageStep = text;
            setup.language = platform::Text(tag);
            continue;
        }
        if (setup.steps.size() == Setup::MostSteps)
            return Fault(Kind::TooManySteps, {});
        std::variant<SetupStep, LinkFault> step = ParseStep(text);
        if (auto *fault = std::get_if<LinkFault>(&step))
            return std::move(*fault);
        setup.steps.push_back(std::get<SetupStep>(step));
    }
    return setup;
}

std::string SetupLinkText(const Setup &setup) {
    std::string out = "#";
    if (!setup.language.empty())
        out += std::string(Language.begin(), Language.end()) +
               std::string(setup.language.begin(), setup.language.end());
    for (const SetupStep &step : setup.steps) {
        if (out.size() > 1)
            out += ';';
        for (const auto &known : Words)
            if (known.action == step.action)
                out += std::string(known.word.begin(), known.word.end()) + '=';
        AppendPosition(out, step.w1, 100);
        out += ',';
        AppendPosition(out, step.w2, 100);
        out += ',';
        AppendPosition(out, step.w3, 100);
        if (step.action != Action::WMean) {
            out += ',';
            AppendPosition(out, step.p0, 1000);
        }
    }
    return out;
}

} // namespace quorvel
