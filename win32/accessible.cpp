#include "win32/accessible.h"

#include <oleacc.h>

#include <utility>

namespace vellumark::win32 {

namespace {

// UI Automation's live-setting property and its polite value: a notice waits for the reader
// to finish what it says. The headers leave the property out.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr int kPolite = 1;
// Windows 8's event for a live region's change; the headers declare it only for Windows 8.
constexpr DWORD kLiveRegionChanged = 0x8019;

// The system's object of a control, with its name and description replaced. Every other call
// goes to the system's object, which reads the control itself each time.
class AnnotatedAccessible final : public IAccessible {
public:
    AnnotatedAccessible(IAccessible* system, AccessibleTexts texts)
        : system_(system), texts_(std::move(texts)) {}
    virtual ~AnnotatedAccessible() { system_->Release(); }
    AnnotatedAccessible(const AnnotatedAccessible&) = delete;
    AnnotatedAccessible& operator=(const AnnotatedAccessible&) = delete;
    AnnotatedAccessible(AnnotatedAccessible&&) = delete;
    AnnotatedAccessible& operator=(AnnotatedAccessible&&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(IDispatch)) ||
            IsEqualIID(iid, __uuidof(IAccessible))) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // The children's enumeration and the window handle come from the system's object.
        return system_->QueryInterface(iid, object);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&references_); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { return system_->GetTypeInfoCount(count); }
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return system_->GetTypeInfo(index, locale, info);
    }
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                               DISPID* ids) override {
        return system_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                        VARIANT* result, EXCEPINFO* exception, UINT* wrong) override {
        return system_->Invoke(id, iid, locale, flags, parameters, result, exception, wrong);
    }

    // IAccessible: the two replaced texts, of the control itself.
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
        return Answer(&IAccessible::get_accName, texts_.name, child, name);
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override {
        return Answer(&IAccessible::get_accDescription, texts_.description, child, description);
    }

    // IAccessible: the rest, as the system answers.
    STDMETHODIMP get_accParent(IDispatch** parent) override {
        return system_->get_accParent(parent);
    }
    STDMETHODIMP get_accChildCount(LONG* count) override {
        return system_->get_accChildCount(count);
    }
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override {
        return system_->get_accChild(child, object);
    }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override {
        return system_->get_accValue(child, value);
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
        return system_->get_accRole(child, role);
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
        return system_->get_accState(child, state);
    }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override {
        return system_->get_accHelp(child, help);
    }
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return system_->get_accHelpTopic(file, child, topic);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return system_->get_accKeyboardShortcut(child, shortcut);
    }
    STDMETHODIMP get_accFocus(VARIANT* child) override { return system_->get_accFocus(child); }
    STDMETHODIMP get_accSelection(VARIANT* children) override {
        return system_->get_accSelection(children);
    }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
        return system_->get_accDefaultAction(child, action);
    }
    STDMETHODIMP accSelect(LONG flags, VARIANT child) override {
        return system_->accSelect(flags, child);
    }
    STDMETHODIMP accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                             VARIANT child) override {
        return system_->accLocation(left, top, width, height, child);
    }
    STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return system_->accNavigate(direction, start, end);
    }
    STDMETHODIMP accHitTest(LONG left, LONG top, VARIANT* child) override {
        return system_->accHitTest(left, top, child);
    }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override {
        return system_->accDoDefaultAction(child);
    }
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override {
        return system_->put_accName(child, name);
    }
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override {
        return system_->put_accValue(child, value);
    }

private:
    // `text` for the control itself unless it is empty; else the system's answer, by `get`.
    HRESULT Answer(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*),
                   const std::wstring& text, VARIANT child, BSTR* answer) {
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF || text.empty() || answer == nullptr) {
            return (system_->*get)(child, answer);
        }
        *answer = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return *answer != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    IAccessible* system_;
    AccessibleTexts texts_;
    LONG references_ = 1;
};

}  // namespace

LRESULT AnnotatedObject(HWND control, WPARAM wParam, LPARAM lParam, const AccessibleTexts& texts) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) {
        return 0;
    }
    IAccessible* system = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&system)))) {
        return 0;
    }
    auto* annotated = new AnnotatedAccessible(system, texts);
    // The result holds its own reference; ours goes.
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, annotated);
    annotated->Release();
    return result;
}

void MarkLiveRegion(HWND control) {
    // The annotation lives with the window, not with the service object or this apartment.
    const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = kPolite;
        // Older systems know no live regions and refuse the property: the name change remains.
        services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              kLiveSettingProperty, polite);
        services->Release();
    }
    if (SUCCEEDED(initialised)) {
        CoUninitialize();
    }
}

void AnnounceChange(HWND control) {
    NotifyWinEvent(kLiveRegionChanged, control, OBJID_CLIENT, CHILDID_SELF);
    // Readers that know no live regions (and Wine) follow the name, which is the text.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace vellumark::win32
