#pragma once

#include "curves/drawn_curves.h"
#include "curves/plot.h"
#include "text.h"
#include "words/catalogue.h"

#include <cstddef>
#include <optional>
#include <vector>

// Reading exact values off the kept curves: which drawn point is nearest the
// pointer, where it lies on the window, and what it says in words.
namespace quorvel {

// One line of dots as the user sees it: a population of a run (the only one
// of a run of an infinite population), the infinite population drawn beside
// finite ones, or one of the two curves of a W Mean.
struct Series {
    enum Kind { Trajectory, Reference, MeanFitness, Change };
    std::size_t curve; // in DrawnCurves::all()
    Kind kind;
    int population = 0; // of a run's populations, from 0
    friend bool operator==(const Series &, const Series &) = default;
};

// A drawn point: its series, and its index there (a generation, or a pass).
struct PointRef {
    Series series;
    std::size_t index;
    friend bool operator==(const PointRef &, const PointRef &) = default;
};

// The frame a series is drawn in.
const plot::Frame &FrameOf(const Series &series);

// A curve's series in the order Up and Down meet them: a run's populations,
// then its infinite population; a W Mean's mean fitness, then its change.
std::vector<Series> SeriesOf(const DrawnCurves &drawn, std::size_t curve);
// Every series, oldest first.
std::vector<Series> AllSeries(const DrawnCurves &drawn);

// The indices of a series that were drawn: a run's generations up to the
// last the frame spans; a change is not drawn where the mean fitness is 0.
std::vector<std::size_t> DrawnIndices(const DrawnCurves &drawn, const Series &series);
std::size_t DrawnCount(const DrawnCurves &drawn, const Series &series);
std::size_t DrawnIndex(const DrawnCurves &drawn, const Series &series, std::size_t step);

// Where a point lies, in the window's pixels, as it was drawn.
struct Position {
    double x, y;
};
Position PositionOf(const DrawnCurves &drawn, const PointRef &point);
// The value a point shows: a frequency, a mean fitness or a change.
double ValueOf(const DrawnCurves &drawn, const PointRef &point);

// The drawn point nearest (x, y), among the series of the frame the pointer
// is in (edges included); none outside the frames or where nothing is drawn
// in that frame. The newer curve wins a tie.
std::optional<PointRef> NearestPoint(const DrawnCurves &drawn, double x, double y);

// What a point says: "generation 37: p = 0.512" and its settings,
// "w = 0.8, 1, 0.6; p0 = 0.1", for a population with its number,
// "population 7 of 100: w = …; N = 50; seed 42"; "p = 0.400: mean fitness
// 0.880"; "p = 0.400: Δp = +0.0123". Numbers in the user's locale.
struct Readout {
    platform::Text value, settings;
};
Readout ReadoutOf(words::Language language, const DrawnCurves &drawn, const PointRef &point);

// The settings of a curve, as the legend names it; of a series, as the
// readout and the copied table name it.
platform::Text SettingsOf(words::Language language, const Curve &curve);
platform::Text SettingsOf(words::Language language, const DrawnCurves &drawn, const Series &series);

// What a copied picture says beside the drawing: a line a curve, oldest
// first, "RUN: " or "W Mean: " and its settings.
std::vector<platform::Text> PictureLegend(words::Language language, const DrawnCurves &drawn);

} // namespace quorvel
