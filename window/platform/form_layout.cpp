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

} // namespace quorvel::platform
