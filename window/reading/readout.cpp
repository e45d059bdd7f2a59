#include "reading/readout.h"

#include "curves/plot.h"
#include "number_text.h"

#include <cmath>
#include <limits>

namespace quorvel {

namespace {

using platform::FormatDecimals;
using platform::FormatThreeDecimals;
using platform::NumberToText;
using platform::Text;
using words::Phrase;

const TrajectoryCurve &Trajectory(const DrawnCurves &drawn, const Series &series) {
    return std::get<TrajectoryCurve>(drawn.all()[series.curve]);
}
const std::vector<SweepPass> &Passes(const DrawnCurves &drawn, const Series &series) {
    return drawn.passes(std::get<SweepCurves>(drawn.all()[series.curve]));
}

} // namespace

const plot::Frame &FrameOf(const Series &series) {
    return series.kind == Series::Trajectory    ? plot::TrajectoryFrame
           : series.kind == Series::MeanFitness ? plot::MeanFitnessFrame
                                                : plot::ChangeFrame;
}

std::vector<Series> AllSeries(const DrawnCurves &drawn) {
    std::vector<Series> all;
    for (std::size_t i = 0; i < drawn.all().size(); ++i) {
        if (std::holds_alternative<TrajectoryCurve>(drawn.all()[i])) {
            all.push_back({i, Series::Trajectory});
        } else {
            all.push_back({i, Series::MeanFitness});
            all.push_back({i, Series::Change});
        }
    }
    return all;
}

std::vector<std::size_t> DrawnIndices(const DrawnCurves &drawn, const Series &series) {
    std::vector<std::size_t> indices;
    if (series.kind == Series::Trajectory) {
        for (std::size_t g = 0; g < Trajectory(drawn, series).p.size(); ++g)
            indices.push_back(g);
    } else {
        const auto &passes = Passes(drawn, series);
        for (std::size_t i = 0; i < passes.size(); ++i)
            if (series.kind == Series::MeanFitness || passes[i].changeDrawn)
                indices.push_back(i);
    }
    return indices;
}

// The mappings RUN and W Mean draw with.
Position PositionOf(const DrawnCurves &drawn, const PointRef &point) {
    if (point.series.kind == Series::Trajectory)
        return {plot::GenerationX(static_cast<int>(point.index)),
                plot::FrequencyY(Trajectory(drawn, point.series).p[point.index])};
    const SweepPass &pass = Passes(drawn, point.series)[point.index];
    if (point.series.kind == Series::MeanFitness)
        return {plot::MeanFitnessX(pass.p), plot::MeanFitnessY(pass.meanFitness)};
    return {plot::ChangeX(pass.p), plot::ChangeY(pass.change)};
}

std::optional<PointRef> NearestPoint(const DrawnCurves &drawn, double x, double y) {
    std::optional<PointRef> nearest;
    double best = std::numeric_limits<double>::infinity();
    for (const Series &series : AllSeries(drawn)) {
        if (!FrameOf(series).contains(x, y))
            continue;
        for (std::size_t i : DrawnIndices(drawn, series)) {
            const PointRef point{series, i};
            const Position at = PositionOf(drawn, point);
            const double distance = (at.x - x) * (at.x - x) + (at.y - y) * (at.y - y);
            if (distance <= best) { // newer curves come later and win a tie
                best = distance;
                nearest = point;
            }
        }
    }
    return nearest;
}

Text SettingsOf(words::Language language, const Curve &curve) {
    if (const auto *trajectory = std::get_if<TrajectoryCurve>(&curve)) {
        const Fitnesses &w = trajectory->w;
        return words::Say(language, Phrase::SettingsTrajectory,
                          {{"wAA", NumberToText(w.wAA)},
                           {"wAa", NumberToText(w.wAa)},
                           {"waa", NumberToText(w.waa)},
                           {"p0", NumberToText(trajectory->p0)}});
    }
    const Fitnesses &w = std::get<SweepCurves>(curve).w;
    return words::Say(
        language, Phrase::SettingsFitnesses,
        {{"wAA", NumberToText(w.wAA)}, {"wAa", NumberToText(w.wAa)}, {"waa", NumberToText(w.waa)}});
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
    const Text settings = SettingsOf(language, drawn.all()[point.series.curve]);
    if (point.series.kind == Series::Trajectory)
        return {words::Say(
                    language, Phrase::ReadoutGeneration,
                    {{"generation", NumberToText(static_cast<double>(point.index))},
                     {"p", FormatThreeDecimals(Trajectory(drawn, point.series).p[point.index])}}),
                settings};
    const SweepPass &pass = Passes(drawn, point.series)[point.index];
    const Text p = FormatThreeDecimals(pass.p);
    if (point.series.kind == Series::MeanFitness)
        return {words::Say(language, Phrase::ReadoutMeanFitness,
                           {{"p", p}, {"value", FormatThreeDecimals(pass.meanFitness)}}),
                settings};
    const Text change = FormatDecimals(pass.change, 4);
    const bool zero = change.find_first_not_of(u"-0.,") == Text::npos;
    const Text signedChange =
        Text(pass.change > 0 && !zero ? u"+" : u"") + (zero ? FormatDecimals(0.0, 4) : change);
    return {words::Say(language, Phrase::ReadoutChange, {{"p", p}, {"change", signedChange}}),
            settings};
}

} // namespace quorvel
