#include "native_form.h"

#include "conversions.h"

#include <initguid.h>

#include <oleacc.h>

// What screen readers hear of the window: the controls' names and
// descriptions, the drawing's description, and the newest sentence.
namespace quorvel::platform::win32 {

// The property service is made once the window has shown its first frame,
// which needs none of the libraries it loads, COM's among them; what was
// described before then is handed to it now.
void Form::connectAccessibility() {
    if (accessibility_ || accessibilityTried_)
        return;
    accessibilityTried_ = true;
    com_ = LoadLibraryW(L"ole32.dll");
    if (!com_)
        return;
    const auto initialize = reinterpret_cast<decltype(&CoInitializeEx)>(
        reinterpret_cast<void *>(GetProcAddress(com_, "CoInitializeEx")));
    const auto create = reinterpret_cast<decltype(&CoCreateInstance)>(
        reinterpret_cast<void *>(GetProcAddress(com_, "CoCreateInstance")));
    if (!initialize || !create)
        return;
    comStarted_ = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
           reinterpret_cast<void **>(&accessibility_));
    if (!accessibility_)
        return;
    for (const auto &[control, name] : names_) {
        if (!control) { // the drawing, which is the window's own description
            accessibility_->SetHwndPropStr(window_, OBJID_CLIENT, CHILDID_SELF,
                                           PROPID_ACC_DESCRIPTION, Wide(name).c_str());
            continue;
        }
        accessibility_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                       Wide(name).c_str());
        accessibility_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                       Wide(descriptions_[control]).c_str());
    }
}

// Screen readers take a control's name from the caption beside it. Where the
// system has no accessibility property service, the name is still kept, and
// the control stays reachable by its own role.
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
