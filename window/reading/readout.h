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

// One line of dots as the user sees it: a trajectory, or one of the two curves
// of a W Mean.
struct Series {
    enum Kind { Trajectory, MeanFitness, Change };
    std::size_t curve; // in DrawnCurves::all()
    Kind kind;
};

// A drawn point: its series, and its index there (a generation, or a pass).
struct PointRef {
    Series series;
    std::size_t index;
    friend bool operator==(const PointRef &a, const PointRef &b) {
        return a.series.curve == b.series.curve && a.series.kind == b.series.kind &&
               a.index == b.index;
    }
};

// The frame a series is drawn in.
const plot::Frame &FrameOf(const Series &series);

// Every series, oldest first; a W Mean gives its mean fitness, then its change.
std::vector<Series> AllSeries(const DrawnCurves &drawn);

// The indices of a series that were drawn (a change is not drawn where the
// mean fitness is 0).
std::vector<std::size_t> DrawnIndices(const DrawnCurves &drawn, const Series &series);

// Where a point lies, in the window's pixels, as it was drawn.
struct Position {
    double x, y;
};
Position PositionOf(const DrawnCurves &drawn, const PointRef &point);

// The drawn point nearest (x, y), among the series of the frame the pointer
// is in (edges included); none outside the frames or where nothing is drawn
// in that frame. The newer curve wins a tie.
std::optional<PointRef> NearestPoint(const DrawnCurves &drawn, double x, double y);

// What a point says: "generation 37: p = 0.512" and its settings,
// "w = 0.8, 1, 0.6; p0 = 0.1"; "p = 0.400: mean fitness 0.880";
// "p = 0.400: Δp = +0.0123". Numbers in the user's locale.
struct Readout {
    platform::Text value, settings;
};
Readout ReadoutOf(words::Language language, const DrawnCurves &drawn, const PointRef &point);

// The settings of a curve, as the readout and the copied table name them.
platform::Text SettingsOf(words::Language language, const Curve &curve);

// What a copied picture says beside the drawing: a line a curve, oldest
// first, "RUN: " or "W Mean: " and its settings.
std::vector<platform::Text> PictureLegend(words::Language language, const DrawnCurves &drawn);

} // namespace quorvel
