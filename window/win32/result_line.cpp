#include "window/win32/result_line.h"

// commctrl.h and oleacc.h need windows.h before them.
#include <commctrl.h>
#include <oleacc.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <utility>

#include "runtime/wide_text_windows.h"

namespace duplexa::win32 {
namespace {

constexpr UINT_PTR kResultLineId = 4;
// The line's description, also held by the subclass, as a property of the line's window.
constexpr wchar_t kDescriptionProperty[] = L"Duplexa.Description";

using Description = std::shared_ptr<std::wstring>;

// The system's own account of a static, with a description added. Readers may keep it past the
// window, so it shares the text rather than pointing into the window. A COM object ends in its
// own Release, never through its interface, which has no virtual destructor.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class DescribedAccessible final : public IAccessible {
  public:
    DescribedAccessible(IAccessible* system, Description description)
        : system_(system), description_(std::move(description)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return system_->QueryInterface(iid, object);  // the window it stands for, its children
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF || description_->empty()) {
            return system_->get_accDescription(child, text);
        }
        *text = SysAllocString(description_->c_str());
        return *text != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    // Everything else as the system says it.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return system_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return system_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return system_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* wrong) override {
        return system_->Invoke(id, iid, locale, flags, parameters, result, exception, wrong);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return system_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return system_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return system_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return system_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return system_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return system_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return system_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return system_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return system_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return system_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return system_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return system_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return system_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override {
        return system_->accSelect(how, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return system_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT from, VARIANT* to) override {
        return system_->accNavigate(direction, from, to);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return system_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return system_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return system_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return system_->put_accValue(child, value);
    }

  private:
    ~DescribedAccessible() { system_->Release(); }

    IAccessible* system_;
    Description description_;
    std::atomic<ULONG> references_{1};
};
#pragma GCC diagnostic pop

LRESULT Described(HWND label, WPARAM flags, const Description& description) {
    IAccessible* system = nullptr;
    if (FAILED(CreateStdAccessibleObject(label, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&system)))) {
        return 0;  // the system answers for itself
    }
    auto* described = new DescribedAccessible(system, description);
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), flags, described);
    described->Release();
    return result;
}

LRESULT CALLBACK ResultLineProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR data) {
    auto* description = reinterpret_cast<Description*>(data);
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (message == WM_KEYDOWN && wParam == 'C' && GetKeyState(VK_CONTROL) < 0) {
                SendMessageW(GetParent(label), WM_COMMAND, MAKEWPARAM(kCopyResultLine, 0), 0);
                return 0;
            }
            // The menu keys, taken here alike on every system (Wine's own handling differs).
            if (wParam == VK_APPS || (wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0)) {
                SendMessageW(GetParent(label), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(label), -1);
                return 0;
            }
            break;
        case WM_KEYUP:
            if (wParam == VK_APPS) {
                return 0;  // its menu is open already
            }
            break;
        case WM_GETOBJECT:
            // The identifier arrives as a 32-bit number, also in a 64-bit lParam.
            if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
                if (const LRESULT object = Described(label, wParam, *description); object != 0) {
                    return object;
                }
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(label, ResultLineProc, kResultLineId);
            RemovePropW(label, kDescriptionProperty);
            delete description;
            break;
        default:
            break;
    }
    return DefSubclassProc(label, message, wParam, lParam);
}

}  // namespace

void MakeResultLine(HWND label) {
    auto* description = new Description(std::make_shared<std::wstring>());
    SetPropW(label, kDescriptionProperty, description);
    SetWindowSubclass(label, ResultLineProc, kResultLineId,
                      reinterpret_cast<DWORD_PTR>(description));
}

void SetResultDescription(HWND label, const std::wstring& text) {
    if (auto* description = static_cast<Description*>(GetPropW(label, kDescriptionProperty))) {
        **description = text;
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, label, OBJID_CLIENT, CHILDID_SELF);
    }
}

void CopyText(HWND owner, const std::string& text) {
    std::wstring lines;
    for (const wchar_t c : Widen(text)) {
        if (c == L'\n') {
            lines += L'\r';
        }
        lines += c;
    }
    const SIZE_T bytes = (lines.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        return;
    }
    std::memcpy(GlobalLock(memory), lines.c_str(), bytes);
    GlobalUnlock(memory);
    // Once set, the clipboard owns the memory.
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
    }
    CloseClipboard();
}

}  // namespace duplexa::win32
