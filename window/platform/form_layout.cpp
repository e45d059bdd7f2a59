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

std::vector<std::size_t> FocusOrder(std::span<const Row> rows) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (TakesFocus(rows[i].kind))
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [rows](std::size_t a, std::size_t b) {
        return rows[a].tabIndex < rows[b].tabIndex;
    });
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
