#include "tools.h"

#include <algorithm>
#include <iterator>

namespace quorvel::platform {

ToolShortcuts Shortcuts(ToolKeys keys) {
    if (keys == ToolKeys::Browser) // the browser keeps F1, Ctrl+Shift+T/C and its zoom keys
        return {u"F6",          u"Space",     u"Alt+Shift+T", u"Alt+Shift+C",
                u"Alt+Shift+H", u"Ctrl+Plus", u"Ctrl+Minus",  u"Ctrl+0"};
    return {u"F6", u"Space",     u"Ctrl+Shift+T", u"Ctrl+Shift+C",
            u"F1", u"Ctrl+Plus", u"Ctrl+Minus",   u"Ctrl+0"};
}

double NextZoom(double current, Tool tool) {
    static constexpr double Steps[] = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
    constexpr int Last = static_cast<int>(std::size(Steps)) - 1;
    int at = 0;
    for (int i = 0; i <= Last; ++i)
        if (Steps[i] <= current + 1e-9)
            at = i;
    const int next = tool == Tool::ZoomIn    ? std::min(at + 1, Last)
                     : tool == Tool::ZoomOut ? std::max(at - 1, 0)
                                             : 0;
    return Steps[next];
}

} // namespace quorvel::platform
