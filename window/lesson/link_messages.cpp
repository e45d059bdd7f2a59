#include "lesson/link_messages.h"

#include <algorithm>
#include <string>

namespace quorvel::links {

namespace {

using platform::Text;
using words::Phrase;

// A part of the link as it was given, shortened where it is long.
Text Shortened(std::u16string_view part) {
    constexpr std::size_t Longest = 40;
    Text text(part.substr(0, Longest));
    if (part.size() > Longest)
        text += u"\u2026";
    return text;
}

} // namespace

Text TooManyArguments(words::Language language) {
    return words::Say(language, Phrase::LinkTooManyArguments);
}

Text FaultMessage(words::Language language, const LinkFault &fault) {
    using Kind = LinkFault::Kind;
    const std::initializer_list<words::Arg> parts = {{"step", Shortened(fault.step)},
                                                     {"value", Shortened(fault.value)}};
    const auto say = [&](Phrase phrase) { return words::Say(language, phrase, parts); };
    // Then what a link may hold, where the fault is in what it holds.
    const auto withSyntax = [&](Phrase phrase) {
        return words::Say(
            language, Phrase::SentenceAfterSentence,
            {{"first", say(phrase)},
             {"second", words::Say(language, Phrase::LinkSyntax,
                                   {{"run", words::Say(language, Phrase::CaptionRun)},
                                    {"wmean", words::Say(language, Phrase::CaptionWmean)}})}});
    };
    switch (fault.kind) {
    case Kind::TooLong:
        return say(Phrase::LinkTooLong);
    case Kind::NoSteps:
        return withSyntax(Phrase::LinkNoSteps);
    case Kind::TooManySteps:
        return say(Phrase::LinkTooManySteps);
    case Kind::NotAStep:
        return withSyntax(Phrase::LinkNotAStep);
    case Kind::UnknownWord:
        return withSyntax(Phrase::LinkUnknownWord);
    case Kind::NeedsThreeValues:
        return say(Phrase::LinkNeedsThreeValues);
    case Kind::NeedsFourValues:
        return say(Phrase::LinkNeedsFourValues);
    case Kind::NotAFitness:
        return say(Phrase::LinkNotAFitness);
    case Kind::NotAFrequency:
        return say(Phrase::LinkNotAFrequency);
    case Kind::NotALanguage:
        return UnknownLanguage(language, fault.step);
    case Kind::RunNeedsValues:
        return say(Phrase::LinkRunNeedsValues);
    case Kind::NotASeed:
        return say(Phrase::LinkNotASeed);
    case Kind::SettingNeedsValues:
        return words::SayCount(language, Phrase::LinkNeedsSettingValues,
                               static_cast<unsigned long>(fault.count),
                               {{"step", Shortened(fault.step)},
                                {"count", platform::FromUtf8(std::to_string(fault.count))}});
    case Kind::NotASettingValue:
        return words::Say(language, Phrase::LinkNotASettingValue,
                          {{"step", Shortened(fault.step)},
                           {"value", Shortened(fault.value)},
                           {"values", fault.allowed}});
    case Kind::LanguageTwice:
        return words::Say(language, Phrase::LinkLanguageTwice,
                          {{"first", Shortened(fault.step)}, {"second", Shortened(fault.value)}});
    }
    return say(Phrase::LinkNotAStep);
}

Text UnknownLanguage(words::Language language, std::u16string_view step) {
    std::vector<Text> tags;
    for (const words::Language spoken : words::Language::All())
        tags.push_back(spoken.tag());
    std::sort(tags.begin(), tags.end());
    return words::Say(language, Phrase::LinkUnknownLanguage,
                      {{"step", Shortened(step)}, {"languages", words::ListOf(language, tags)}});
}

} // namespace quorvel::links
