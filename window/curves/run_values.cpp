#include "curves/run_values.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

// The run made again once, keeping its state at the start of each stretch
// and the range of frequencies within it.
RunValues::RunValues(const TrajectoryCurve &run) : run_(run) {
    PopulationRun replay(run.w, run.p0, run.settings, run.seed);
    Range range{run.p0, run.p0};
    const auto widen = [&range, &replay, &run] {
        for (const double p : replay.frequencies()) {
            range.low = std::min(range.low, p);
            range.high = std::max(range.high, p);
        }
        if (run.hasReference()) {
            range.low = std::min(range.low, replay.reference());
            range.high = std::max(range.high, replay.reference());
        }
    };
    marks_.push_back(replay.state());
    while (replay.generation() < run.generations) {
        replay.step();
        widen();
        if (replay.generation() % Stride == 0) {
            ranges_.push_back(range);
            marks_.push_back(replay.state());
            range = {HUGE_VAL, -HUGE_VAL};
            widen(); // the stretch's first generation is the last one's end
        }
    }
    if (run.generations % Stride != 0 || run.generations == 0)
        ranges_.push_back(range);
}

void RunValues::makeStretch(int stretch) {
    const auto lines = static_cast<std::size_t>(run_.lines());
    const int from = stretch * Stride;
    const int to = std::min(from + Stride, run_.generations);
    values_.assign(static_cast<std::size_t>(to - from + 1) * lines, 0.0);
    PopulationRun replay(run_.w, run_.settings, marks_[static_cast<std::size_t>(stretch)]);
    for (int generation = from;; ++generation) {
        double *row = values_.data() + static_cast<std::size_t>(generation - from) * lines;
        const std::span<const double> p = replay.frequencies();
        std::copy(p.begin(), p.end(), row);
        if (run_.hasReference())
            row[lines - 1] = replay.reference();
        if (generation == to)
            break;
        replay.step();
    }
    stretch_ = stretch;
}

std::span<const double> RunValues::at(int generation) {
    generation = std::clamp(generation, 0, run_.generations);
    // The last generation of a stretch is the first of the next: read it from
    // the stretch already made where it can be.
    int stretch = generation / Stride;
    if (generation % Stride == 0 && generation > 0 && stretch_ == stretch - 1)
        stretch = stretch_;
    if (stretch != stretch_)
        makeStretch(stretch);
    const auto lines = static_cast<std::size_t>(run_.lines());
    return std::span<const double>(values_).subspan(
        static_cast<std::size_t>(generation - stretch * Stride) * lines, lines);
}

std::vector<double> RunValues::line(int line) {
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(run_.generations) + 1);
    for (int generation = 0; generation <= run_.generations; ++generation)
        values.push_back(at(line, generation));
    return values;
}

std::size_t RunValues::bytes() const {
    const std::size_t lines = static_cast<std::size_t>(run_.lines());
    return sizeof(*this) + marks_.size() * (lines * sizeof(double) + sizeof(PopulationRun::State)) +
           ranges_.size() * sizeof(Range) + values_.capacity() * sizeof(double);
}

} // namespace quorvel
