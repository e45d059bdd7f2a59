#pragma once

#include "text.h"

#include <string_view>
#include <variant>
#include <vector>

// A drawing as a link: the steps a person takes to draw it, in the text of a
// URL fragment, so that a teacher can send a picture that reopens exactly.
//
//   #run=0.8,1,0.6,0.1;run=0.8,1,0.6,0.5;wmean=0.8,1,0.6;set=1,1,0,0.5
//
// run=w(AA),w(Aa),w(aa),p0 sets the four bars and presses RUN; wmean=w(AA),
// w(Aa),w(aa) sets the fitness bars and presses W Mean; set= sets the four
// bars alone. Fitnesses go from 0 to 1 in steps of 0.01, p0 in steps of
// 0.001, always with a decimal point. lang=de, once, shows the window in
// that language.
namespace quorvel {

// One step, its values as bar positions: hundredths for a fitness,
// thousandths for p0.
struct SetupStep {
    enum class Action { Run, WMean, Set };
    Action action = Action::Set;
    int w1 = 0, w2 = 0, w3 = 0;
    int p0 = 0; // not part of a W Mean
};

struct Setup {
    std::vector<SetupStep> steps;
    // The language the link asks for, as it wrote it ("de", "pt-BR"); empty
    // where it asks for none.
    platform::Text language;
    // More steps than this is no lesson but a mistake, or an attack.
    static constexpr std::size_t MostSteps = 1000;
};

// The first thing wrong with a link, and the parts of it that show it: the
// step as it was given and, where one value is wrong, that value; for a
// language named twice, the two steps.
struct LinkFault {
    enum class Kind {
        TooLong,
        NoSteps,
        TooManySteps,
        NotAStep,
        UnknownWord,
        NeedsThreeValues,
        NeedsFourValues,
        NotAFitness,
        NotAFrequency,
        NotALanguage,
        LanguageTwice,
    };
    Kind kind;
    platform::Text step, value;
};

// The setup a link holds: a fragment with or without its "#", or a whole
// address with one. Anything else, and the first thing wrong.
std::variant<Setup, LinkFault> ParseSetupLink(std::u16string_view link);

// The fragment, "#" included, that ParseSetupLink reads back as setup.
std::string SetupLinkText(const Setup &setup);

} // namespace quorvel
