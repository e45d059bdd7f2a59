#pragma once

#include "dispatch.h"
#include "native_controls.h"
#include "native_form.h"

// The Win32 window behind each of the window's controls, for tests that
// drive them with messages as a user's clicks and keys would.
namespace quorvel::platform::win32 {

inline Form *Native(platform::Form &form) {
    return &dynamic_cast<Form &>(form);
}
// A control of the panel gets its window when asked for it, as when the
// panel first shows.
inline HWND Native(platform::Control *control) {
    auto *child = dynamic_cast<ChildControl *>(control);
    if (child && !child->hwnd())
        child->form().makePanel();
    return child ? child->hwnd() : nullptr;
}

} // namespace quorvel::platform::win32
