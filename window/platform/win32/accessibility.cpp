#include "accessibility.h"

#include "conversions.h"
#include "scroll_bar_model.h"

#include <commctrl.h>
#include <initguid.h>

#include <oleacc.h>

#include <new>

namespace quorvel::platform::win32 {

namespace {

// What a bar's own object needs from the accessibility libraries, loaded
// only when a screen reader first asks: the program starts without them.
struct Libraries {
    decltype(&CreateStdAccessibleObject) standardObject = nullptr;
    decltype(&LresultFromObject) handOver = nullptr;
    decltype(&SysAllocStringLen) string = nullptr;

    static const Libraries &Loaded() {
        static const Libraries loaded = [] {
            Libraries found;
            if (const HMODULE oleacc = LoadLibraryW(L"oleacc.dll")) {
                found.standardObject = reinterpret_cast<decltype(&CreateStdAccessibleObject)>(
                    reinterpret_cast<void *>(GetProcAddress(oleacc, "CreateStdAccessibleObject")));
                found.handOver = reinterpret_cast<decltype(&LresultFromObject)>(
                    reinterpret_cast<void *>(GetProcAddress(oleacc, "LresultFromObject")));
            }
            if (const HMODULE automation = LoadLibraryW(L"oleaut32.dll"))
                found.string = reinterpret_cast<decltype(&SysAllocStringLen)>(
                    reinterpret_cast<void *>(GetProcAddress(automation, "SysAllocStringLen")));
            return found;
        }();
        return loaded;
    }
    bool complete() const { return standardObject && handOver && string; }
};

// Asked of a bar that answers for itself: the Accessibility it answers from.
constexpr UINT AskOwner = WM_APP + 1;

LRESULT CALLBACK AnswersForItself(HWND bar, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR owner) {
    if (message == AskOwner)
        return static_cast<LRESULT>(owner);
    if (message == WM_GETOBJECT && static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT)
        if (const LRESULT served = reinterpret_cast<Accessibility *>(owner)->object(bar, wParam))
            return served;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(bar, AnswersForItself, 0);
    return DefSubclassProc(bar, message, wParam, lParam);
}

// Looked up at each question, not kept: a screen reader may hold the object
// after the window is gone.
const Accessibility *OwnerOf(HWND bar) {
    return IsWindow(bar)
               ? reinterpret_cast<const Accessibility *>(SendMessageW(bar, AskOwner, 0, 0))
               : nullptr;
}

// The bar as the system's own object presents it (role, state, its arrows
// and thumb, where it lies), but for its name, description and value, which
// are the window's words.
class BarObject final : public IAccessible {
public:
    BarObject(HWND bar, IAccessible *standard) : bar_(bar), standard_(standard) {}
    BarObject(const BarObject &) = delete;
    BarObject &operator=(const BarObject &) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != IID_IAccessible)
            return E_NOINTERFACE;
        *object = static_cast<IAccessible *>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (!left)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo **info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID locale,
                                            DISPID *ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS *parameters, VARIANT *result, EXCEPINFO *exception,
                                     UINT *wrong) override {
        return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, wrong);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override {
        const Text words = ours(child, &Accessibility::nameOf);
        return words.empty() ? standard_->get_accName(child, name) : Answer(words, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override {
        const Text words = ours(child, &Accessibility::valueOf);
        return words.empty() ? standard_->get_accValue(child, value) : Answer(words, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override {
        const Text words = ours(child, &Accessibility::descriptionOf);
        return words.empty() ? standard_->get_accDescription(child, description)
                             : Answer(words, description);
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG *count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, LONG *topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *keys) override {
        return standard_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG *left, LONG *top, LONG *width, LONG *height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT *end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT *child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ~BarObject() { standard_->Release(); }

    // The window's words for the bar itself; none for its arrows and thumb,
    // or once the window is gone, which the system's object answers for.
    Text ours(const VARIANT &child, Text (Accessibility::*asked)(HWND) const) const {
        const Accessibility *owner = OwnerOf(bar_);
        return owner && child.vt == VT_I4 && child.lVal == CHILDID_SELF ? (owner->*asked)(bar_)
                                                                        : Text();
    }
    static HRESULT Answer(const Text &words, BSTR *out) {
        if (!out)
            return E_POINTER;
        const std::wstring wide = Wide(words);
        *out = Libraries::Loaded().string(wide.data(), static_cast<UINT>(wide.size()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    HWND bar_;
    IAccessible *standard_;
    ULONG references_ = 1;
};

} // namespace

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

void Accessibility::readValueOf(HWND bar, const Row &row) {
    if (valueRows_.emplace(bar, &row).second)
        SetWindowSubclass(bar, AnswersForItself, 0, reinterpret_cast<DWORD_PTR>(this));
}

Text Accessibility::valueOf(HWND bar) const {
    const auto found = valueRows_.find(bar);
    if (found == valueRows_.end())
        return {};
    const Row &row = *found->second;
    return ShownText(row, BarModel(row).atDistance(GetScrollPos(bar, SB_CTL)));
}

LRESULT Accessibility::object(HWND bar, WPARAM flags) {
    const Libraries &libraries = Libraries::Loaded();
    IAccessible *standard = nullptr;
    if (!libraries.complete() ||
        FAILED(libraries.standardObject(bar, OBJID_CLIENT, IID_IAccessible,
                                        reinterpret_cast<void **>(&standard))) ||
        !standard)
        return 0;
    auto *served = new (std::nothrow) BarObject(bar, standard);
    if (!served) {
        standard->Release();
        return 0;
    }
    const LRESULT handed = libraries.handOver(IID_IAccessible, flags, served);
    served->Release(); // the handed object keeps its own reference
    return handed > 0 ? handed : 0;
}

} // namespace quorvel::platform::win32
