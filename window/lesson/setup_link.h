#pragma once

#include "settings/settings.h"
#include "text.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// A drawing as a link: the steps a person takes to draw it, in the text of a
// URL fragment, so that a teacher can send a picture that reopens exactly.
//
//   #run=0.8,1,0.6,0.1;run=0.8,1,0.6,0.5;wmean=0.8,1,0.6;set=1,1,0,0.5
//   #n=50;populations=100;run=1,1,0.5,0.1,42
//
// run=w(AA),w(Aa),w(aa),p0 sets the four bars and presses RUN, drawing finite
// populations from the seed a fifth value gives (a fresh one without it);
// wmean=w(AA),w(Aa),w(aa) sets the fitness bars and presses W Mean; set= sets
// the four bars alone. Fitnesses go from 0 to 1 in steps of 0.01, p0 in
// steps of 0.001, always with a decimal point. n=50 (or n=inf),
// populations=, generations=, mutation=u,v and migration= move the
// population settings' bars, to one of the values each takes. lang=de, once,
// shows the window in that language.
namespace quorvel {

// One step, its values as bar positions: hundredths for a fitness,
// thousandths for p0; for the population settings, the bar's position.
struct SetupStep {
    enum class Action { Run, WMean, Set, Settings };
    Action action = Action::Set;
    // The window's own bars, as settings::WindowBars() orders them:
    // w(AA), w(Aa), w(aa), p0 (which is not part of a W Mean).
    std::array<int, settings::WindowBarCount> bars{};
    // A run's seed, where the link gives one.
    std::optional<std::uint64_t> seed;
    // The population settings a Settings step moves, and where to.
    std::vector<std::pair<settings::Id, int>> settings;

    SetupStep() = default;
    explicit SetupStep(Action action, const std::array<int, settings::WindowBarCount> &bars = {})
        : action(action), bars(bars) {}
    friend bool operator==(const SetupStep &, const SetupStep &) = default;
};

struct Setup {
    std::vector<SetupStep> steps;
    // The language the link asks for, as it wrote it ("de", "pt-BR"); empty
    // where it asks for none.
    platform::Text language;
    // More steps that draw than this (the drawings kept) is no lesson but a
    // mistake, or an attack; so are more than eight times as many in all.
    static constexpr std::size_t MostSteps = 1000;
};

// The first thing wrong with a link, and the parts of it that show it: the
// step as it was given and, where one value is wrong, that value; for a
// language named twice, the two steps; for a setting, the values it takes.
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
        RunNeedsValues,
        NotASeed,
        SettingNeedsValues,
        NotASettingValue,
    };
    Kind kind;
    platform::Text step, value;
    // A setting's step: the values its settings take, in link syntax, and
    // how many a step of its word needs.
    platform::Text allowed;
    int count = 0;
};

// The setup a link holds: a fragment with or without its "#", or a whole
// address with one. Anything else, and the first thing wrong.
std::variant<Setup, LinkFault> ParseSetupLink(std::u16string_view link);

// The fragment, "#" included, that ParseSetupLink reads back as setup.
std::string SetupLinkText(const Setup &setup);

// The Settings steps that move the population settings from `from` to `to`,
// a step a link word whose settings differ.
std::vector<SetupStep> SettingSteps(const settings::Positions &from, const settings::Positions &to);

} // namespace quorvel
