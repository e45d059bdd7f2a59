#include "reading/reading_mode.h"

#include <algorithm>

namespace quorvel {

bool ReadingMode::enter(const DrawnCurves &drawn) {
    const std::vector<Series> all = AllSeries(drawn);
    // The latest curve: a W Mean's mean fitness rather than its change, which
    // may be empty.
    for (std::size_t i = all.size(); i-- > 0;) {
        const bool wholeCurve = i == 0 || all[i - 1].curve != all[i].curve;
        if (wholeCurve && !DrawnIndices(drawn, all[i]).empty()) {
            at_ = At{i, 0};
            return true;
        }
    }
    at_.reset();
    return false;
}

void ReadingMode::press(const DrawnCurves &drawn, Key key) {
    if (!at_)
        return;
    const std::vector<Series> all = AllSeries(drawn);
    if (key == Key::Escape || at_->series >= all.size()) {
        at_.reset();
        return;
    }
    const auto last = [&](std::size_t series) {
        return DrawnIndices(drawn, all[series]).size() - 1;
    };
    const auto move = [&](long by) {
        const long to = static_cast<long>(at_->step) + by;
        at_->step =
            static_cast<std::size_t>(std::clamp(to, 0L, static_cast<long>(last(at_->series))));
    };
    switch (key) {
    case Key::Left:
        return move(-1);
    case Key::Right:
        return move(1);
    case Key::PageUp:
        return move(-10);
    case Key::PageDown:
        return move(10);
    case Key::Home:
        at_->step = 0;
        return;
    case Key::End:
        at_->step = last(at_->series);
        return;
    case Key::Up:
    case Key::Down: {
        // The same place along the next series that has points, as near as it goes.
        const int direction = key == Key::Up ? -1 : 1;
        for (long s = static_cast<long>(at_->series) + direction;
             s >= 0 && s < static_cast<long>(all.size()); s += direction) {
            const auto series = static_cast<std::size_t>(s);
            if (DrawnIndices(drawn, all[series]).empty())
                continue;
            at_->series = series;
            at_->step = std::min(at_->step, last(series));
            return;
        }
        return;
    }
    default:
        return;
    }
}

std::optional<PointRef> ReadingMode::current(const DrawnCurves &drawn) const {
    if (!at_)
        return std::nullopt;
    const std::vector<Series> all = AllSeries(drawn);
    if (at_->series >= all.size())
        return std::nullopt;
    const std::vector<std::size_t> indices = DrawnIndices(drawn, all[at_->series]);
    if (at_->step >= indices.size())
        return std::nullopt;
    return PointRef{all[at_->series], indices[at_->step]};
}

} // namespace quorvel
