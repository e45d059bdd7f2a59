#include "reading/reading_mode.h"

#include <algorithm>

namespace quorvel {

namespace {

// The series after or before one, across curves, that has points to read;
// none at either end.
std::optional<Series> Neighbour(const DrawnCurves &drawn, std::size_t curve, std::size_t line,
                                int direction) {
    long c = static_cast<long>(curve);
    long l = static_cast<long>(line) + direction;
    for (bool first = true; c >= 0 && c < static_cast<long>(drawn.all().size());
         first = false, c += direction) {
        const std::vector<Series> lines = SeriesOf(drawn, static_cast<std::size_t>(c));
        if (!first) // into a curve from its near end
            l = direction > 0 ? 0 : static_cast<long>(lines.size()) - 1;
        for (; l >= 0 && l < static_cast<long>(lines.size()); l += direction)
            if (DrawnCount(drawn, lines[static_cast<std::size_t>(l)]) > 0)
                return lines[static_cast<std::size_t>(l)];
    }
    return std::nullopt;
}

std::size_t LineIn(const DrawnCurves &drawn, const Series &series) {
    const std::vector<Series> lines = SeriesOf(drawn, series.curve);
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), series) - lines.begin());
}

} // namespace

// On the latest curve: its first population, or a W Mean's mean fitness
// rather than its change, which may be empty.
bool ReadingMode::enter(const DrawnCurves &drawn) {
    for (std::size_t curve = drawn.all().size(); curve-- > 0;) {
        const Series first = SeriesOf(drawn, curve).front();
        if (DrawnCount(drawn, first) > 0) {
            at_ = At{curve, 0, 0};
            return true;
        }
    }
    at_.reset();
    return false;
}

void ReadingMode::press(const DrawnCurves &drawn, Key key) {
    if (!at_)
        return;
    if (key == Key::Escape || at_->curve >= drawn.all().size()) {
        at_.reset();
        return;
    }
    const std::optional<PointRef> now = current(drawn);
    if (!now) {
        at_.reset();
        return;
    }
    const std::size_t last = DrawnCount(drawn, now->series) - 1;
    const auto move = [&](long by) {
        const long to = static_cast<long>(at_->step) + by;
        at_->step = static_cast<std::size_t>(std::clamp(to, 0L, static_cast<long>(last)));
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
        at_->step = last;
        return;
    case Key::Up:
    case Key::Down: {
        // The same place along the next series that has points, as near as it goes.
        const std::optional<Series> next =
            Neighbour(drawn, at_->curve, at_->line, key == Key::Up ? -1 : 1);
        if (!next)
            return;
        at_->curve = next->curve;
        at_->line = LineIn(drawn, *next);
        at_->step = std::min(at_->step, DrawnCount(drawn, *next) - 1);
        return;
    }
    default:
        return;
    }
}

std::optional<PointRef> ReadingMode::current(const DrawnCurves &drawn) const {
    if (!at_ || at_->curve >= drawn.all().size())
        return std::nullopt;
    const std::vector<Series> lines = SeriesOf(drawn, at_->curve);
    if (at_->line >= lines.size())
        return std::nullopt;
    const Series &series = lines[at_->line];
    if (at_->step >= DrawnCount(drawn, series))
        return std::nullopt;
    return PointRef{series, DrawnIndex(drawn, series, at_->step)};
}

} // namespace quorvel
