#include "accessibility.h"

#include "conversions.h"

#include <initguid.h>

#include <oleacc.h>

namespace quorvel::platform::win32 {

Accessibility::~Accessibility() {
    if (service_)
        service_->Release();
    if (comStarted_)
        if (const auto uninitialize = reinterpret_cast<decltype(&CoUninitialize)>(
                reinterpret_cast<void *>(GetProcAddress(com_, "CoUninitialize"))))
            uninitialize();
}

// The first frame needs none of the libraries the service loads, COM's among
// them.
void Accessibility::connect() {
    if (service_ || tried_)
        return;
    tried_ = true;
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
           reinterpret_cast<void **>(&service_));
    if (!service_)
        return;
    for (const auto &[control, name] : names_) {
        if (!control) { // the drawing, which is the window's own description
            service_->SetHwndPropStr(window_, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                     Wide(name).c_str());
            continue;
        }
        service_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                 Wide(name).c_str());
        service_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                 Wide(descriptions_[control]).c_str());
    }
}

// Screen readers take a control's name from the caption beside it. Where the
// system has no accessibility property service, the name is still kept, and
// the control stays reachable by its own role.
void Accessibility::describe(HWND control, const Text &name, const Text &description) {
    names_[control] = name;
    descriptions_[control] = description;
    if (!service_)
        return;
    service_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                             Wide(name).c_str());
    service_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                             Wide(description).c_str());
}

void Accessibility::describeDrawing(const Text &text) {
    names_[nullptr] = text;
    if (!service_)
        return;
    service_->SetHwndPropStr(window_, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                             Wide(text).c_str());
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
}

// A bar that answers for itself gives the new words when asked again, with
// or without the service.
void Accessibility::setDescription(HWND control, const Text &text) {
    if (service_)
        service_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                 Wide(text).c_str());
    if (service_ || valueRows_.count(control))
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void Accessibility::announce(const Text &sentence) {
    const HWND focused = GetFocus();
    if (announcedOn_ && announcedOn_ != focused && IsWindow(announcedOn_))
        setDescription(announcedOn_, descriptions_[announcedOn_]);
    announcedOn_ = focused && IsChild(window_, focused) ? focused : nullptr;
    announced_ = sentence;
    if (announcedOn_)
        setDescription(announcedOn_, sentence);
}

Text Accessibility::nameOf(HWND control) const {
    const auto found = names_.find(control);
    return found == names_.end() ? Text() : found->second;
}

Text Accessibility::descriptionOf(HWND control) const {
    if (control && control == announcedOn_)
        return announced_;
    const auto found = descriptions_.find(control);
    return found == descriptions_.end() ? Text() : found->second;
}

} // namespace quorvel::platform::win32
