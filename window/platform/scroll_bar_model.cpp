#include "scroll_bar_model.h"

#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quorvel::platform {

std::optional<BarRequest> BarRequestForKey(const KeyPress &press) {
    if (!press.plain())
        return std::nullopt;
    switch (press.key) {
    case Key::Left:
    case Key::Up:
        return BarRequest::LineToStart;
    case Key::Right:
    case Key::Down:
        return BarRequest::LineToEnd;
    case Key::PageUp:
        return BarRequest::PageToStart;
    case Key::PageDown:
        return BarRequest::PageToEnd;
    case Key::Home:
        return BarRequest::ToStart;
    case Key::End:
        return BarRequest::ToEnd;
    default:
        return std::nullopt;
    }
}

BarModel::BarModel(const Row &row)
    : start_(row.startValue), end_(row.endValue), value_(row.value), smallChange_(row.smallChange),
      largeChange_(row.largeChange) {}

int BarModel::after(BarRequest request) const {
    switch (request) {
    case BarRequest::LineToStart:
        return atDistance(distance() - smallChange_);
    case BarRequest::LineToEnd:
        return atDistance(distance() + smallChange_);
    case BarRequest::PageToStart:
        return atDistance(distance() - largeChange_);
    case BarRequest::PageToEnd:
        return atDistance(distance() + largeChange_);
    case BarRequest::ToStart:
        return start_;
    case BarRequest::ToEnd:
        return end_;
    }
    return value_;
}

int BarModel::atDistance(int distance) const {
    const int range = std::abs(end_ - start_);
    const int towardEnd = end_ >= start_ ? 1 : -1;
    return start_ + towardEnd * std::clamp(distance, 0, range);
}

int BarModel::atFraction(double fraction) const {
    const double range = std::abs(end_ - start_);
    return atDistance(static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * range)));
}

int BarModel::distance() const {
    return std::abs(value_ - start_);
}

double BarModel::fraction() const {
    const int range = std::abs(end_ - start_);
    return range ? distance() / static_cast<double>(range) : 0.0;
}

bool BarModel::set(int value) {
    value = std::clamp(value, std::min(start_, end_), std::max(start_, end_));
    if (value == value_)
        return false;
    value_ = value;
    return true;
}

namespace {

int FullScale(const Row &row) {
    return std::max(std::abs(row.startValue), std::abs(row.endValue));
}

} // namespace

double ShownValue(const Row &row, int value) {
    if (row.steps) {
        const int low = std::min(row.startValue, row.endValue);
        return row.steps[std::clamp(value - low, 0, row.stepCount - 1)];
    }
    const int full = FullScale(row);
    return full ? value / static_cast<double>(full) : 0.0;
}

int ValueShowing(const Row &row, double shown) {
    const int low = std::min(row.startValue, row.endValue);
    const int high = std::max(row.startValue, row.endValue);
    if (row.steps) { // the listed number nearest
        int best = low;
        for (int value = low; value <= high; ++value) {
            const double step = ShownValue(row, value), current = ShownValue(row, best);
            const auto apart = [shown](double at) {
                return std::isinf(at) || std::isinf(shown) ? (at == shown ? 0.0 : HUGE_VAL)
                                                           : std::fabs(at - shown);
            };
            if (apart(step) < apart(current))
                best = value;
        }
        return best;
    }
    if (!std::isfinite(shown))
        return low;
    return std::clamp(static_cast<int>(std::lround(std::clamp(shown, -1.0, 1.0) * FullScale(row))),
                      low, high);
}

Text ShownText(const Row &row, int value) {
    return row.steps ? FormatSetting(ShownValue(row, value)) : NumberToText(ShownValue(row, value));
}

// The arrows are as long as the bar is thick (17 pixels), or half the bar
// where it is shorter than two of them.
BarGeometry BarGeometry::Of(const Row &row) {
    const bool horizontal = row.kind == Kind::HorizontalBar;
    const int length = horizontal ? row.width : row.height;
    const int thickness = horizontal ? row.height : row.width;
    const int arrow = std::min(thickness, length / 2);
    const int track = length - 2 * arrow;
    return {length, arrow, track, std::min(thickness, track)};
}

double BarGeometry::thumbAt(double fraction) const {
    return arrow + fraction * std::max(0, track - thumb);
}

double BarGeometry::fractionAt(double thumbStart) const {
    const int free = std::max(1, track - thumb);
    return std::clamp((thumbStart - arrow) / free, 0.0, 1.0);
}

BarGeometry::Part BarGeometry::partAt(double along, double fraction) const {
    if (along < arrow)
        return Part::StartArrow;
    if (along >= length - arrow)
        return Part::EndArrow;
    const double thumbStart = thumbAt(fraction);
    if (along < thumbStart)
        return Part::TrackBeforeThumb;
    if (along >= thumbStart + thumb)
        return Part::TrackAfterThumb;
    return Part::Thumb;
}

} // namespace quorvel::platform
