#include "accessibility.h"

#include "conversions.h"
#include "scroll_bar_model.h"

#include <initguid.h>

#include <oleacc.h>

#include <new>

// A bar of listed numbers that answers a screen reader for itself: the
// system's object for a scroll bar, with the value its box shows.
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
// The bar's own window procedure and the Accessibility it answers from, kept
// on the bar. Subclassed by hand: comctl32's helpers would load the library at
// start-up, which costs Wine more than the first frame's dozen controls do.
constexpr wchar_t OwnerProperty[] = L"QuorvelAccessibility", ProcedureProperty[] = L"QuorvelBar";

LRESULT CALLBACK AnswersForItself(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *owner = reinterpret_cast<Accessibility *>(GetPropW(bar, OwnerProperty));
    const auto own = reinterpret_cast<WNDPROC>(GetPropW(bar, ProcedureProperty));
    if (message == AskOwner)
        return reinterpret_cast<LRESULT>(owner);
    if (message == WM_GETOBJECT && static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT)
        if (const LRESULT served = owner->object(bar, wParam))
            return served;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
        RemovePropW(bar, OwnerProperty);
        RemovePropW(bar, ProcedureProperty);
    }
    return CallWindowProcW(own, bar, message, wParam, lParam);
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

void Accessibility::readValueOf(HWND bar, const Row &row) {
    if (!valueRows_.emplace(bar, &row).second)
        return;
    SetPropW(bar, OwnerProperty, this);
    SetPropW(bar, ProcedureProperty,
             reinterpret_cast<HANDLE>(GetWindowLongPtrW(bar, GWLP_WNDPROC)));
    SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AnswersForItself));
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
