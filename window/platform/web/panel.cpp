#include "native_form.h"

namespace quorvel::platform::web {

// The panel's elements show or hide, and the window widens or narrows to
// them; nothing else moves, and the drawing stays as it is. The window is
// fitted to the viewport again at its new width.
void Form::showPanel(bool shown) {
    if (shown == panelShown_)
        return;
    panelShown_ = shown;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].panel)
            dom::ShowElement(static_cast<int>(i), shown);
    dom::SizeWindow(clientWidth(), design_.clientHeight);
    placeLabels();
    if (across_ > 0)
        fit(across_, down_, coarsePointer_);
}

} // namespace quorvel::platform::web
