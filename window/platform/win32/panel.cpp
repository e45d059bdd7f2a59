#include "native_form.h"

// The panel of population settings beside the window: shown and hidden, and
// focus kept in sight as it hides.
namespace quorvel::platform::win32 {

// The panel's controls show or hide, and the window widens or narrows to
// them at the DPI and zoom it has; nothing else moves, and the drawing stays
// as it is. The canvas is made again at the new width.
void Form::showPanel(bool shown) {
    if (shown == panelShown_)
        return;
    if (shown)
        makePanel();
    if (!shown)
        keepFocusInSight();
    panelShown_ = shown;
    if (shown)
        measureLabels();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row &row = rows_[i];
        auto *child = dynamic_cast<ChildControl *>(controls_[i].get());
        if (!child || !row.panel)
            continue;
        ShowWindow(child->hwnd(), shown ? SW_SHOWNA : SW_HIDE);
        if (shown && row.steps)
            accessibility_.readValueOf(child->hwnd(), row);
    }
    const RECT frame = windowFrame();
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    canvas_.reset();
    InvalidateRect(window_, nullptr, FALSE);
}

// The panel's native controls, made once, in focus order: after the window's
// own in Tab's order, as they were made after them. Each takes what the
// window set on it until then: its text, value, name and description.
void Form::makePanel() {
    for (std::size_t i : FocusOrder(rows_))
        if (auto *child = dynamic_cast<ChildControl *>(controls_[i].get()); child && !child->hwnd())
            child->attach(makeWindow(i));
}

// The window hands focus to a control in sight before it hides the panel;
// should a panel's control still have it, or be the one to get it back, the
// last of the window's own takes its place, as Tab would reach it backwards.
void Form::keepFocusInSight() {
    HWND last = nullptr;
    for (std::size_t i : FocusOrder(rows_))
        if (!rows_[i].panel)
            last = dynamic_cast<const ChildControl &>(*controls_[i]).hwnd();
    const auto inPanel = [this](HWND window) {
        const std::optional<std::size_t> row = rowOf(window);
        return row && rows_[*row].panel;
    };
    if (inPanel(GetFocus()))
        SetFocus(last);
    if (inPanel(focusWhenInactive_))
        focusWhenInactive_ = last;
    if (inPanel(initialFocus_))
        initialFocus_ = last;
}

} // namespace quorvel::platform::win32
