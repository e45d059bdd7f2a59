#include "reading/readout.h"

#include "curves/plot.h"
#include "number_text.h"
#include "settings/settings.h"
#include "words/theory_words.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorvel {

namespace {

using platform::FormatDecimals;
using platform::FormatThreeDecimals;
using platform::NumberToText;
using platform::Text;
using words::Phrase;

const TrajectoryCurve &Run(const DrawnCurves &drawn, const Series &series) {
    return std::get<TrajectoryCurve>(drawn.all()[series.curve]);
}
const std::vector<SweepPass> &Passes(const DrawnCurves &drawn, const Series &series) {
    return drawn.passes(std::get<SweepCurves>(drawn.all()[series.curve]));
}
bool OfRun(const Series &series) {
    return series.kind == Series::Trajectory || series.kind == Series::Reference;
}
// The line of a run's values a series is: its reference comes after its populations.
int LineOf(const DrawnCurves &drawn, const Series &series) {
    return series.kind == Series::Reference ? Run(drawn, series).populations() : series.population;
}
// A run's generations as far as the frame spans them.
int LastDrawn(const DrawnCurves &drawn, const Series &series) {
    return std::min(Run(drawn, series).generations, drawn.axisGenerations());
}

} // namespace

const plot::Frame &FrameOf(const Series &series) {
    return OfRun(series)                        ? plot::TrajectoryFrame
           : series.kind == Series::MeanFitness ? plot::MeanFitnessFrame
                                                : plot::ChangeFrame;
}

std::vector<Series> SeriesOf(const DrawnCurves &drawn, std::size_t curve) {
    std::vector<Series> series;
    if (const auto *run = std::get_if<TrajectoryCurve>(&drawn.all()[curve])) {
        for (int i = 0; i < run->populations(); ++i)
            series.push_back({curve, Series::Trajectory, i});
        if (run->hasReference())
            series.push_back({curve, Series::Reference});
    } else {
        series.push_back({curve, Series::MeanFitness});
        series.push_back({curve, Series::Change});
    }
    return series;
}

std::vector<Series> AllSeries(const DrawnCurves &drawn) {
    std::vector<Series> all;
    for (std::size_t i = 0; i < drawn.all().size(); ++i)
        for (const Series &series : SeriesOf(drawn, i))
            all.push_back(series);
    return all;
}

std::vector<std::size_t> DrawnIndices(const DrawnCurves &drawn, const Series &series) {
    std::vector<std::size_t> indices;
    if (series.kind != Series::Change) {
        const std::size_t count = DrawnCount(drawn, series);
        for (std::size_t step = 0; step < count; ++step)
            indices.push_back(step);
        return indices;
    }
    const auto &passes = Passes(drawn, series);
    for (std::size_t i = 0; i < passes.size(); ++i)
        if (passes[i].changeDrawn)
            indices.push_back(i);
    return indices;
}

std::size_t DrawnCount(const DrawnCurves &drawn, const Series &series) {
    if (OfRun(series))
        return static_cast<std::size_t>(LastDrawn(drawn, series)) + 1;
    if (series.kind == Series::MeanFitness)
        return Passes(drawn, series).size();
    std::size_t count = 0;
    for (const SweepPass &pass : Passes(drawn, series))
        count += pass.changeDrawn;
    return count;
}

std::size_t DrawnIndex(const DrawnCurves &drawn, const Series &series, std::size_t step) {
    if (series.kind != Series::Change)
        return step;
    const auto &passes = Passes(drawn, series);
    for (std::size_t i = 0, seen = 0; i < passes.size(); ++i)
        if (passes[i].changeDrawn && seen++ == step)
            return i;
    return passes.size();
}

double ValueOf(const DrawnCurves &drawn, const PointRef &point) {
    if (OfRun(point.series))
        return drawn.values(Run(drawn, point.series))
            .at(LineOf(drawn, point.series), static_cast<int>(point.index));
    const SweepPass &pass = Passes(drawn, point.series)[point.index];
    return point.series.kind == Series::MeanFitness ? pass.meanFitness : pass.change;
}

// The mappings RUN and W Mean draw with.
Position PositionOf(const DrawnCurves &drawn, const PointRef &point) {
    const double value = ValueOf(drawn, point);
    if (OfRun(point.series))
        return {plot::GenerationX(static_cast<int>(point.index), drawn.axisGenerations()),
                plot::FrequencyY(value)};
    const SweepPass &pass = Passes(drawn, point.series)[point.index];
    if (point.series.kind == Series::MeanFitness)
        return {plot::MeanFitnessX(pass.p), plot::MeanFitnessY(value)};
    return {plot::ChangeX(pass.p), plot::ChangeY(value)};
}

namespace {

// The nearest point of a run's lines: its stretches of generations nearest
// the pointer first, each passed over where its generations lie further off
// across, or its frequencies further up or down, than the nearest point
// found, so that a run of many populations and generations is made again only
// near the pointer.
void NearestOfRun(const DrawnCurves &drawn, std::size_t curve, double x, double y,
                  std::optional<PointRef> &nearest, double &best) {
    const Series first{curve, Series::Trajectory};
    RunValues &values = drawn.values(Run(drawn, first));
    const int axis = drawn.axisGenerations(), last = LastDrawn(drawn, first);
    const auto apart = [](double at, double low, double high) {
        return at < low ? low - at : at > high ? at - high : 0.0;
    };
    struct Stretch {
        double bound;
        int from, to;
    };
    // Nearest first, in order where as near: an insertion sort of a few
    // hundred at most, which the page carries as less code than a library's.
    std::vector<Stretch> stretches;
    for (int s = 0; s < values.stretches() && s * RunValues::Stride <= last; ++s) {
        const int from = s * RunValues::Stride, to = std::min(from + RunValues::Stride, last);
        const RunValues::Range range = values.range(s);
        const double dx = apart(x, plot::GenerationX(from, axis), plot::GenerationX(to, axis));
        const double dy = apart(y, plot::FrequencyY(range.high), plot::FrequencyY(range.low));
        const Stretch stretch{dx * dx + dy * dy, from, to};
        auto at = stretches.end();
        while (at != stretches.begin() && (at - 1)->bound > stretch.bound)
            --at;
        stretches.insert(at, stretch);
    }
    const std::vector<Series> lines = SeriesOf(drawn, curve);
    for (const Stretch &stretch : stretches) {
        if (stretch.bound > best)
            break;
        for (int g = stretch.from; g <= stretch.to; ++g) {
            const double dx = plot::GenerationX(g, axis) - x;
            if (dx * dx > best)
                continue;
            const std::span<const double> p = values.at(g);
            for (std::size_t line = 0; line < lines.size(); ++line) {
                const double dy = plot::FrequencyY(p[line]) - y;
                const double distance = dx * dx + dy * dy;
                // Newer curves come later and win a tie; within a run, the
                // later line does.
                if (distance <= best) {
                    best = distance;
                    nearest = PointRef{lines[line], static_cast<std::size_t>(g)};
                }
            }
        }
    }
}

} // namespace

std::optional<PointRef> NearestPoint(const DrawnCurves &drawn, double x, double y) {
    std::optional<PointRef> nearest;
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t curve = 0; curve < drawn.all().size(); ++curve) {
        if (std::holds_alternative<TrajectoryCurve>(drawn.all()[curve])) {
            if (plot::TrajectoryFrame.contains(x, y))
                NearestOfRun(drawn, curve, x, y, nearest, best);
            continue;
        }
        for (const Series &series : SeriesOf(drawn, curve)) {
            if (!FrameOf(series).contains(x, y))
                continue;
            for (const std::size_t i : DrawnIndices(drawn, series)) {
                const PointRef point{series, i};
                const Position at = PositionOf(drawn, point);
                const double distance = (at.x - x) * (at.x - x) + (at.y - y) * (at.y - y);
                if (distance <= best) { // newer curves come later and win a tie
                    best = distance;
                    nearest = point;
                }
            }
        }
    }
    return nearest;
}

Text SettingsOf(words::Language language, const Curve &curve) {
    if (const auto *run = std::get_if<TrajectoryCurve>(&curve)) {
        const Fitnesses &w = run->w;
        std::vector<Text> parts = settings::NamedSettings(language, run->settings, run->seed);
        parts.insert(parts.begin(), words::Say(language, Phrase::SettingsTrajectory,
                                               {{"wAA", NumberToText(w.wAA)},
                                                {"wAa", NumberToText(w.wAa)},
                                                {"waa", NumberToText(w.waa)},
                                                {"coefficients", CoefficientsText(language, w)},
                                                {"p0", NumberToText(run->p0)}}));
        return settings::Joined(language, parts);
    }
    const SweepCurves &sweep = std::get<SweepCurves>(curve);
    const Fitnesses &w = sweep.w;
    PopulationSettings mutation;
    mutation.mutationToa = sweep.mutationToa;
    mutation.mutationToA = sweep.mutationToA;
    std::vector<Text> parts = settings::NamedSettings(language, mutation);
    parts.insert(parts.begin(), words::Say(language, Phrase::SettingsFitnesses,
                                           {{"wAA", NumberToText(w.wAA)},
                                            {"wAa", NumberToText(w.wAa)},
                                            {"waa", NumberToText(w.waa)},
                                            {"coefficients", CoefficientsText(language, w)}}));
    return settings::Joined(language, parts);
}

// A run of many lines names the line too: its population, or the infinite
// population beside them.
Text SettingsOf(words::Language language, const DrawnCurves &drawn, const Series &series) {
    const Curve &curve = drawn.all()[series.curve];
    const Text settings = SettingsOf(language, curve);
    if (!OfRun(series))
        return settings;
    const TrajectoryCurve &run = Run(drawn, series);
    if (series.kind == Series::Reference)
        return words::Say(language, Phrase::SettingsOfReference, {{"settings", settings}});
    if (run.lines() == 1)
        return settings;
    return words::Say(language, Phrase::SettingsOfPopulation,
                      {{"number", platform::FormatSetting(series.population + 1)},
                       {"count", platform::FormatSetting(run.populations())},
                       {"settings", settings}});
}

std::vector<Text> PictureLegend(words::Language language, const DrawnCurves &drawn) {
    std::vector<Text> legend;
    for (const Curve &curve : drawn.all())
        legend.push_back(words::Say(language,
                                    std::holds_alternative<TrajectoryCurve>(curve)
                                        ? Phrase::LegendRun
                                        : Phrase::LegendWmean,
                                    {{"settings", SettingsOf(language, curve)}}));
    return legend;
}

Readout ReadoutOf(words::Language language, const DrawnCurves &drawn, const PointRef &point) {
    const Text settings = SettingsOf(language, drawn, point.series);
    const double value = ValueOf(drawn, point);
    if (OfRun(point.series))
        return {words::Say(language, Phrase::ReadoutGeneration,
                           {{"generation", NumberToText(static_cast<double>(point.index))},
                            {"p", FormatThreeDecimals(value)}}),
                settings};
    const SweepPass &pass = Passes(drawn, point.series)[point.index];
    const Text p = FormatThreeDecimals(pass.p);
    // A W Mean's point names the balances it marks, as the drawing shows them.
    const SweepCurves &sweep = std::get<SweepCurves>(drawn.all()[point.series.curve]);
    const Text balances =
        BalancesText(language, Balances(sweep.w, sweep.mutationToa, sweep.mutationToA));
    const Text named =
        balances.empty() ? settings : settings::Joined(language, {settings, balances});
    if (point.series.kind == Series::MeanFitness)
        return {words::Say(language, Phrase::ReadoutMeanFitness,
                           {{"p", p}, {"value", FormatThreeDecimals(value)}}),
                named};
    const Text change = FormatDecimals(value, 4);
    const bool zero = change.find_first_not_of(u"-0.,") == Text::npos;
    const Text signedChange =
        Text(value > 0 && !zero ? u"+" : u"") + (zero ? FormatDecimals(0.0, 4) : change);
    return {words::Say(language, Phrase::ReadoutChange, {{"p", p}, {"change", signedChange}}),
            named};
}

} // namespace quorvel
