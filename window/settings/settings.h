#pragma once

#include "layout/control_id.h"
#include "populations.h"
#include "text.h"
#include "words/catalogue.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <span>
#include <vector>

// Every setting a user makes with a bar, one row each: the bar, the box that
// shows its value and the caption that names it, the values it takes, its
// default and its word in a link. The window, its layout, links, the readout
// and the help all read this table; a new setting is a row here, its phrases
// and its use in the model.
namespace quorvel::settings {

enum class Id {
    FitnessAA,
    FitnessAa,
    Fitnessaa,
    StartFrequency,
    PopulationSize,
    Populations,
    Generations,
    MutationToa,
    MutationToA,
    Migration,
};
inline constexpr std::size_t Count = 10;

struct Setting {
    Id id;
    // The layout's rows: the bar, the box beside it, and the caption (a
    // label, by its array and index) that names both.
    layout::ControlId bar;
    layout::ControlId box;
    layout::ControlId caption;
    int captionIndex;
    words::Phrase captionPhrase;
    words::Phrase describeBar;
    // A bar on a scale shows its value over the divisor (a fitness in
    // hundredths, p0 in thousandths); any other chooses among the listed
    // values, from its left end.
    int divisor;
    std::span<const double> values;
    // The bar's value for the default: for a listed setting, the one a run
    // takes when the bar was never moved.
    int defaultPosition;
    // In a link: a step of its own, "n=50" (several settings may share one
    // word, each at its slot: "mutation=u,v"), or, with no word, its slot
    // among the values of run=, set= and (the fitnesses) wmean=.
    const char *linkWord;
    int linkSlot;
    // How a curve's settings name it where it is not the default: "N = 50",
    // "100 populations" (then a phrase with plural forms, by the value).
    words::Phrase shortForm;
    bool counted = false;

    constexpr int lastPosition() const {
        return divisor != 0 ? divisor : static_cast<int>(values.size()) - 1;
    }
    // The number a bar value stands for.
    constexpr double valueAt(int position) const {
        if (divisor != 0)
            return position / static_cast<double>(divisor);
        return values[static_cast<std::size_t>(std::clamp(position, 0, lastPosition()))];
    }
    // The bar value for a number the setting takes, or -1.
    constexpr int positionOf(double value) const {
        for (int position = 0; position <= lastPosition(); ++position)
            if (valueAt(position) == value)
                return position;
        return -1;
    }
};

namespace detail {
using words::Phrase;
using C = layout::ControlId;
inline constexpr double Infinite = std::numeric_limits<double>::infinity();

// The steps 1, 2, 5 to a decade: what population geneticists' tables use,
// and what a teacher can say aloud.
inline constexpr double Sizes[] = {1,     2,      5,      10,     20,      50,      100,
                                   200,   500,    1000,   2000,   5000,    10000,   20000,
                                   50000, 100000, 200000, 500000, 1000000, Infinite};
inline constexpr double PopulationCounts[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
inline constexpr double GenerationCounts[] = {10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000};
inline constexpr double MutationRates[] = {0,     0.00001, 0.00002, 0.00005, 0.0001, 0.0002, 0.0005,
                                           0.001, 0.002,   0.005,   0.01,    0.02,   0.05,   0.1};
inline constexpr double MigrationRates[] = {0,    0.001, 0.002, 0.005, 0.01,
                                            0.02, 0.05,  0.1,   0.2,   0.5};

inline constexpr Setting Table[] = {
    {Id::FitnessAA,
     C::HScrollw1,
     C::Textw1,
     C::Label1,
     0,
     Phrase::CaptionLabel1_0,
     Phrase::DescribeFitnessBar,
     100,
     {},
     0,
     nullptr,
     0,
     Phrase::CaptionLabel1_0},
    {Id::FitnessAa,
     C::HScrollw2,
     C::Textw2,
     C::Label1,
     1,
     Phrase::CaptionLabel1_1,
     Phrase::DescribeFitnessBar,
     100,
     {},
     0,
     nullptr,
     1,
     Phrase::CaptionLabel1_1},
    {Id::Fitnessaa,
     C::HScrollw3,
     C::Textw3,
     C::Label1,
     2,
     Phrase::CaptionLabel1_2,
     Phrase::DescribeFitnessBar,
     100,
     {},
     0,
     nullptr,
     2,
     Phrase::CaptionLabel1_2},
    {Id::StartFrequency,
     C::VScrollp,
     C::TextInitp,
     C::Label5,
     -1,
     Phrase::CaptionLabel5,
     Phrase::DescribeVScrollp,
     1000,
     {},
     0,
     nullptr,
     3,
     Phrase::CaptionLabel5},
    {Id::PopulationSize, C::HScrollN, C::TextN, C::Label9, 0, Phrase::CaptionPopulationSize,
     Phrase::DescribePopulationSizeBar, 0, Sizes, 19, "n", 0, Phrase::ShortPopulationSize},
    {Id::Populations, C::HScrollPops, C::TextPops, C::Label9, 1, Phrase::CaptionPopulations,
     Phrase::DescribePopulationsBar, 0, PopulationCounts, 0, "populations", 0,
     Phrase::ShortPopulations, true},
    {Id::Generations, C::HScrollGen, C::TextGen, C::Label9, 2, Phrase::CaptionGenerations,
     Phrase::DescribeGenerationsBar, 0, GenerationCounts, 3, "generations", 0,
     Phrase::ShortGenerations, true},
    {Id::MutationToa, C::HScrollu, C::Textu, C::Label9, 3, Phrase::CaptionMutationToa,
     Phrase::DescribeMutationToaBar, 0, MutationRates, 0, "mutation", 0, Phrase::ShortMutationToa},
    {Id::MutationToA, C::HScrollv, C::Textv, C::Label9, 4, Phrase::CaptionMutationToA,
     Phrase::DescribeMutationToABar, 0, MutationRates, 0, "mutation", 1, Phrase::ShortMutationToA},
    {Id::Migration, C::HScrollm, C::Textm, C::Label9, 5, Phrase::CaptionMigration,
     Phrase::DescribeMigrationBar, 0, MigrationRates, 0, "migration", 0, Phrase::ShortMigration},
};
static_assert(std::size(Table) == Count);

inline constexpr std::size_t FirstListed = 4;

} // namespace detail

constexpr std::span<const Setting> All() {
    return detail::Table;
}
// The window's own bars, which run=, set= and wmean= move, in their order
// there: the fitnesses, then p0. A W Mean takes all but the last.
constexpr std::span<const Setting> WindowBars() {
    return All().first(detail::FirstListed);
}
inline constexpr std::size_t WindowBarCount = detail::FirstListed;
constexpr const Setting &Of(Id id) {
    return detail::Table[static_cast<std::size_t>(id)];
}
// The settings of the panel, in its order from the top.
constexpr std::span<const Setting> Listed() {
    return All().subspan(detail::FirstListed);
}

// A listed setting's value as its box and every text show it: "∞", "50",
// "1,000,000", "0.00002".
platform::Text ValueText(const Setting &setting, int position);

// Bar positions of the listed settings, by Id; the others are not read.
using Positions = std::array<int, Count>;
Positions Defaults();
// What the model makes of them, and back.
PopulationSettings ModelSettings(const Positions &positions);
Positions PositionsOf(const PopulationSettings &model);
// Each listed setting that differs from its default and changes what a run
// draws, named as a curve's settings name it ("N = 50", "100 populations"),
// in the table's order, then the seed of finite populations. An infinite
// population's path depends on neither how many follow it nor migration
// among them.
std::vector<platform::Text> NamedSettings(words::Language language, const PopulationSettings &model,
                                          std::uint64_t seed = 0);
// Texts joined as a curve's settings are: "w = 1, 1, 0.5; p0 = 0.1; N = 50".
platform::Text Joined(words::Language language, const std::vector<platform::Text> &parts);

} // namespace quorvel::settings
