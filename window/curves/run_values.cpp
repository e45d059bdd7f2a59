#include "curves/run_values.h"

#include <algorithm>

namespace quorvel {

RunValues::RunValues(const TrajectoryCurve &run) : run_(run) {
    PopulationRun replay(run.w, run.p0, run.settings, run.seed);
    marks_.push_back(replay.state());
    while (replay.generation() < run.generations) {
        replay.step();
        if (replay.generation() % Stride == 0)
            marks_.push_back(replay.state());
    }
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
           values_.capacity() * sizeof(double);
}

} // namespace quorvel
