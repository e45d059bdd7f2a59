#include "tools.h"

namespace quorvel::platform {

ToolShortcuts Shortcuts(ToolKeys keys) {
    if (keys == ToolKeys::Browser) // the browser keeps F1, Ctrl+Shift+T/C and its zoom keys
        return {u"F6",          u"Space",     u"Alt+Shift+T", u"Alt+Shift+C",
                u"Alt+Shift+H", u"Ctrl+Plus", u"Ctrl+Minus",  u"Ctrl+0"};
    return {u"F6", u"Space",     u"Ctrl+Shift+T", u"Ctrl+Shift+C",
            u"F1", u"Ctrl+Plus", u"Ctrl+Minus",   u"Ctrl+0"};
}

} // namespace quorvel::platform
