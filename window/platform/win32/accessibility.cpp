#include "native_form.h"

#include "conversions.h"

#include <oleacc.h>

// What screen readers hear of the window: the controls' names and
// descriptions, the drawing's description, and the newest sentence.
namespace quorvel::platform::win32 {

// Screen readers take a control's name from the caption beside it. Where the
// system has no accessibility property service (Wine has none), the name is
// still kept, and the control stays reachable by its own role.
void Form::describe(HWND control, const Text &name, const Text &description) {
    names_[control] = name;
    descriptions_[control] = description;
    if (!accessibility_)
        return;
    accessibility_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                   Wide(name).c_str());
    accessibility_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                   Wide(description).c_str());
}

void Form::describeDrawing(const Text &text) {
    names_[nullptr] = text;
    if (!accessibility_)
        return;
    accessibility_->SetHwndPropStr(window_, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                   Wide(text).c_str());
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
}

void Form::announce(const Text &sentence) {
    const auto setDescription = [this](HWND control, const Text &text) {
        if (!accessibility_)
            return;
        accessibility_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                       Wide(text).c_str());
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
    };
    const HWND focused = GetFocus();
    if (announcedOn_ && announcedOn_ != focused && IsWindow(announcedOn_))
        setDescription(announcedOn_, descriptions_[announcedOn_]);
    announcedOn_ = focused && IsChild(window_, focused) ? focused : nullptr;
    if (announcedOn_)
        setDescription(announcedOn_, sentence);
}

Text Form::accessibleName(HWND control) const {
    const auto found = names_.find(control);
    return found == names_.end() ? Text() : found->second;
}

} // namespace quorvel::platform::win32
