#include "form_layout.h"

#include <algorithm>

namespace quorvel::platform {

bool TakesFocus(Kind kind) {
    return kind == Kind::Button || kind == Kind::TextBox || kind == Kind::HorizontalBar ||
           kind == Kind::VerticalBar;
}

int StackingLayer(Kind kind) {
    switch (kind) {
    case Kind::Rectangle:
        return 0;
    case Kind::Line:
        return 1;
    case Kind::Label:
        return 2;
    default:
        return DrawingStackingLayer + 1;
    }
}

// Both orders are stable sorts of a few dozen rows, done as insertion sorts:
// the page carries its code as text, and these are smaller than std::stable_sort.
std::vector<int> StackingOrder(std::span<const Row> rows) {
    const auto layer = [rows](int entry) {
        return entry == DrawingInStack ? DrawingStackingLayer
                                       : StackingLayer(rows[static_cast<std::size_t>(entry)].kind);
    };
    std::vector<int> order;
    for (int entry = 0; entry <= static_cast<int>(rows.size()); ++entry) {
        const int adding = entry == static_cast<int>(rows.size()) ? DrawingInStack : entry;
        auto at = order.end();
        while (at != order.begin() && layer(*(at - 1)) > layer(adding))
            --at;
        order.insert(at, adding);
    }
    return order;
}

std::vector<std::size_t> FocusOrder(std::span<const Row> rows) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!TakesFocus(rows[i].kind))
            continue;
        auto at = order.end();
        while (at != order.begin() && rows[*(at - 1)].tabIndex > rows[i].tabIndex)
            --at;
        order.insert(at, i);
    }
    return order;
}

int RoomToTheRight(std::span<const Row> rows, std::size_t at, int clientWidth) {
    const Row &row = rows[at];
    const int right = row.left + row.width;
    int room = clientWidth - right;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row &other = rows[i];
        const int otherBottom = other.top + std::max(other.height, 1);
        const bool sharesRows = other.top < row.top + row.height && row.top < otherBottom;
        if (i != at && sharesRows && other.left >= right)
            room = std::min(room, other.left - right);
    }
    return std::max(room, 0);
}

int RoomToTheLeft(std::span<const Row> rows, std::size_t at) {
    const Row &row = rows[at];
    int room = row.left;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row &other = rows[i];
        const int otherRight = other.left + std::max(other.width, 1);
        const int otherBottom = other.top + std::max(other.height, 1);
        const bool sharesRows = other.top < row.top + row.height && row.top < otherBottom;
        if (i != at && sharesRows && otherRight <= row.left)
            room = std::min(room, row.left - otherRight);
    }
    return std::max(room, 0);
}

// A control that lies over the label's right end (a bar beside its
// caption) covers that part, and a caption read from the right must end
// where it can be seen, with the room before the control that a caption
// read from the left leaves, so that its first letter does not touch it.
int VisibleRight(std::span<const Row> rows, std::size_t at) {
    const Row &row = rows[at];
    int right = row.left + row.width;
    const int middle = row.top + row.height / 2;
    for (const Row &other : rows)
        if (TakesFocus(other.kind) && other.top <= middle && middle < other.top + other.height &&
            other.left > row.left && other.left - CaptionRoom < right)
            right = std::max(row.left, other.left - CaptionRoom);
    return right;
}

TextPlace PlaceText(std::span<const Row> rows, std::size_t at, int needed, int clientWidth,
                    bool rightToLeft) {
    const Row &row = rows[at];
    if (!rightToLeft || row.mark) {
        // Into the room to the right first; a caption longer than that (the
        // generations under the frame, once there are ten thousand) also
        // reaches left into free room, so that none is cut off.
        const int width =
            std::clamp(needed, row.width, row.width + RoomToTheRight(rows, at, clientWidth));
        const int further = row.mark ? 0 : std::clamp(needed - width, 0, RoomToTheLeft(rows, at));
        return {row.left - further, width + further, false};
    }
    const int right = VisibleRight(rows, at);
    const int least = right - row.left;
    const int width = std::clamp(needed, least, least + RoomToTheLeft(rows, at));
    return {right - width, width, true};
}

} // namespace quorvel::platform
