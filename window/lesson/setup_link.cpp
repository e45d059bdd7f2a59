#include "lesson/setup_link.h"

#include "decimal.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace quorvel {

namespace {

using Action = SetupStep::Action;

// Each moves the window's own bars; a W Mean all but p0.
constexpr int Bars = static_cast<int>(settings::WindowBarCount);
constexpr struct {
    std::u16string_view word;
    Action action;
    int values;
} Words[] = {
    {u"run", Action::Run, Bars}, {u"wmean", Action::WMean, Bars - 1}, {u"set", Action::Set, Bars}};

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
    return {kind, platform::Text(step), platform::Text(value), {}, 0};
}

// A population setting's value as a link writes it: "inf" for an infinite
// population, any other in the digits a decimal number needs, with a point.
std::string LinkValue(double value) {
    return std::isinf(value) ? "inf" : platform::decimal::Shortest(value);
}

// The value of a setting a link's text names: "inf", or a decimal that is
// exactly one of the values ("0.00002", "0.000020" and "50" but not "5e1").
int SettingPosition(const settings::Setting &setting, std::u16string_view text) {
    std::string ascii;
    for (const char16_t c : text) {
        if (c > 0x7F)
            return -1;
        ascii += static_cast<char>(c);
    }
    if (ascii.find('.') != std::string::npos) {
        while (ascii.back() == '0')
            ascii.pop_back();
        if (ascii.back() == '.')
            ascii.pop_back();
    }
    for (int position = 0; position <= setting.lastPosition(); ++position)
        if (!ascii.empty() && LinkValue(setting.valueAt(position)) == ascii)
            return position;
    return -1;
}

// The settings a link word moves, in their order in its step.
std::vector<const settings::Setting *> SettingsOfWord(std::u16string_view word) {
    std::vector<const settings::Setting *> found;
    for (const settings::Setting &setting : settings::Listed())
        if (word == platform::FromUtf8(setting.linkWord)) {
            if (found.size() <= static_cast<std::size_t>(setting.linkSlot))
                found.resize(static_cast<std::size_t>(setting.linkSlot) + 1);
            found[static_cast<std::size_t>(setting.linkSlot)] = &setting;
        }
    return found;
}

// What a setting takes, as a link writes it: "1, 2, 5, …, inf".
platform::Text Allowed(const settings::Setting &setting) {
    std::string list;
    for (int position = 0; position <= setting.lastPosition(); ++position)
        list += (position ? ", " : "") + LinkValue(setting.valueAt(position));
    return platform::FromUtf8(list);
}

// A seed: a whole number of 64 bits, in digits.
std::optional<std::uint64_t> Seed(std::u16string_view text) {
    if (text.empty() || text.size() > 20)
        return std::nullopt;
    std::uint64_t seed = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - u'0');
        if (seed > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
            return std::nullopt;
        seed = seed * 10 + digit;
    }
    return seed;
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
    std::vector<std::u16string_view> values = Split(text.substr(equals + 1), u',');
    for (const auto &known : Words) {
        if (word != known.word)
            continue;
        SetupStep step{known.action};
        // A run may end with the seed its populations are drawn from.
        if (known.action == Action::Run && static_cast<int>(values.size()) == known.values + 1) {
            step.seed = Seed(values.back());
            if (!step.seed)
                return Fault(Kind::NotASeed, text, values.back());
            values.pop_back();
        }
        if (static_cast<int>(values.size()) != known.values)
            return Fault(known.action == Action::Run     ? Kind::RunNeedsValues
                         : known.action == Action::WMean ? Kind::NeedsThreeValues
                                                         : Kind::NeedsFourValues,
                         text);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const settings::Setting &bar = settings::WindowBars()[i];
            const std::optional<int> position = Position(values[i], bar.divisor);
            if (!position)
                return Fault(bar.id == settings::Id::StartFrequency ? Kind::NotAFrequency
                                                                    : Kind::NotAFitness,
                             text, values[i]);
            step.bars[i] = *position;
        }
        return step;
    }
    const std::vector<const settings::Setting *> moved = SettingsOfWord(word);
    if (moved.empty())
        return Fault(Kind::UnknownWord, text);
    if (values.size() != moved.size()) {
        LinkFault fault = Fault(Kind::SettingNeedsValues, text);
        fault.count = static_cast<int>(moved.size());
        return fault;
    }
    SetupStep step{Action::Settings};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int position = SettingPosition(*moved[i], values[i]);
        if (position < 0) {
            LinkFault fault = Fault(Kind::NotASettingValue, text, values[i]);
            fault.allowed = Allowed(*moved[i]);
            return fault;
        }
        step.settings.emplace_back(moved[i]->id, position);
    }
    return step;
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
    std::size_t drawing = 0;
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
        if (setup.steps.size() == Setup::MostSteps * 8)
            return Fault(Kind::TooManySteps, {});
        std::variant<SetupStep, LinkFault> step = ParseStep(text);
        if (auto *fault = std::get_if<LinkFault>(&step))
            return std::move(*fault);
        // Those that draw count: a copied link writes the settings between
        // its thousand drawings, and the bars after them.
        const SetupStep::Action action = std::get<SetupStep>(step).action;
        if (action == Action::Run || action == Action::WMean)
            if (++drawing > Setup::MostSteps)
                return Fault(Kind::TooManySteps, {});
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
        if (step.action == Action::Settings) {
            const settings::Setting &first = settings::Of(step.settings.front().first);
            out += std::string(first.linkWord) + '=';
            for (std::size_t i = 0; i < step.settings.size(); ++i) {
                const auto &[id, position] = step.settings[i];
                out += (i ? "," : "") + LinkValue(settings::Of(id).valueAt(position));
            }
            continue;
        }
        for (const auto &known : Words)
            if (known.action == step.action)
                out += std::string(known.word.begin(), known.word.end()) + '=';
        const std::size_t bars = step.action == Action::WMean ? Bars - 1 : Bars;
        for (std::size_t i = 0; i < bars; ++i) {
            if (i)
                out += ',';
            AppendPosition(out, step.bars[i], settings::WindowBars()[i].divisor);
        }
        if (step.action == Action::Run && step.seed)
            out += ',' + std::to_string(*step.seed);
    }
    return out;
}

std::vector<SetupStep> SettingSteps(const settings::Positions &from,
                                    const settings::Positions &to) {
    std::vector<SetupStep> steps;
    for (const settings::Setting &setting : settings::Listed()) {
        if (setting.linkSlot != 0)
            continue; // a step a word, written with its first setting
        const std::vector<const settings::Setting *> moved =
            SettingsOfWord(platform::FromUtf8(setting.linkWord));
        bool differs = false;
        for (const settings::Setting *each : moved)
            differs = differs || from[static_cast<std::size_t>(each->id)] !=
                                     to[static_cast<std::size_t>(each->id)];
        if (!differs)
            continue;
        SetupStep step{SetupStep::Action::Settings};
        for (const settings::Setting *each : moved)
            step.settings.emplace_back(each->id, to[static_cast<std::size_t>(each->id)]);
        steps.push_back(std::move(step));
    }
    return steps;
}

} // namespace quorvel
