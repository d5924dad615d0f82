#include "windows_news.h"

#include <QGuiApplication>
#include <QWidget>

#include <windows.h>

#include <uiautomationclient.h>
#include <uiautomationcore.h>

#include <type_traits>

// What Debian's MinGW-w64 headers lack: notifications, the text control type, the root object
// id (whose header C++ cannot read), and the error of an element that is gone.
enum NotificationKind { NotificationKind_Other = 4 };
enum NotificationProcessing { NotificationProcessing_All = 2 };
constexpr long uiaTextControlType = 50020;
constexpr long uiaRootObjectId = -25;
constexpr HRESULT UIA_E_ELEMENTNOTAVAILABLE = static_cast<HRESULT>(0x80040201);

namespace tarvello::access {

namespace {

// UIAutomationCore.dll's functions, looked up once, at the first news: the program starts
// without the library. The library comes from the system folder only, never from the
// program's folder or the current one, where anybody may have put a DLL of that name.
struct Automation {
    using Listening = BOOL(WINAPI*)();
    using Host = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
    using Answer = LRESULT(WINAPI*)(HWND, WPARAM, LPARAM, IRawElementProviderSimple*);
    using Notify = HRESULT(WINAPI*)(
        IRawElementProviderSimple*, NotificationKind, NotificationProcessing, BSTR, BSTR);
    using Disconnect = HRESULT(WINAPI*)(IRawElementProviderSimple*);

    Listening clientsAreListening = nullptr;
    Host hostProviderFromHwnd = nullptr;
    Answer returnRawElementProvider = nullptr;
    Notify raiseNotificationEvent = nullptr;
    Disconnect disconnectProvider = nullptr;

    static const Automation& get()
    {
        static const Automation automation = [] {
            Automation found;
            if (HMODULE core = LoadLibraryExW(
                    L"UIAutomationCore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
                auto resolve = [core](auto& function, const char* name) {
                    function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                        reinterpret_cast<void*>(GetProcAddress(core, name)));
                };
                resolve(found.clientsAreListening, "UiaClientsAreListening");
                resolve(found.hostProviderFromHwnd, "UiaHostProviderFromHwnd");
                resolve(found.returnRawElementProvider, "UiaReturnRawElementProvider");
                resolve(found.raiseNotificationEvent, "UiaRaiseNotificationEvent");
                resolve(found.disconnectProvider, "UiaDisconnectProvider");
            }
            return found;
        }();
        return automation;
    }
    bool complete() const
    {
        return clientsAreListening && hostProviderFromHwnd && returnRawElementProvider &&
            raiseNotificationEvent;
    }
};

// The element the news comes from: a hidden child window of the program's window, outside
// the control and content views, so that no screen reader lands on it. (Qt's own elements
// are out of public API's reach, and a notification must come from some element.)
class NewsSource final : public IRawElementProviderSimple {
public:
    explicit NewsSource(HWND window) : window_(window) { }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override
    {
        if (!out)
            return E_INVALIDARG;
        if (id == __uuidof(IUnknown) || id == __uuidof(IRawElementProviderSimple)) {
            *out = static_cast<IRawElementProviderSimple*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override
    {
        if (!options)
            return E_INVALIDARG;
        // Called on the window's thread, as Qt's own elements are.
        *options = static_cast<ProviderOptions>(
            ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown** pattern) override
    {
        if (!pattern)
            return E_INVALIDARG;
        *pattern = nullptr;
        return window_ ? S_OK : UIA_E_ELEMENTNOTAVAILABLE;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override
    {
        if (!value)
            return E_INVALIDARG;
        VariantInit(value);
        if (!window_)
            return UIA_E_ELEMENTNOTAVAILABLE;
        switch (property) {
        case UIA_NamePropertyId:
            value->vt = VT_BSTR;
            value->bstrVal = SysAllocString(reinterpret_cast<const wchar_t*>(name_.utf16()));
            break;
        case UIA_ControlTypePropertyId:
            value->vt = VT_I4;
            value->lVal = uiaTextControlType;
            break;
        case UIA_IsControlElementPropertyId:
        case UIA_IsContentElementPropertyId:
            value->vt = VT_BOOL;
            value->boolVal = VARIANT_FALSE;
            break;
        default:
            break;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override
    {
        if (!host)
            return E_INVALIDARG;
        *host = nullptr;
        if (!window_)
            return UIA_E_ELEMENTNOTAVAILABLE;
        return Automation::get().hostProviderFromHwnd(window_, host);
    }

    // The element is named with the news it last gave.
    void setName(const QString& name) { name_ = name; }

    // Its window goes: UI Automation lets go of it, and a client that still holds it gets
    // an error from now on, not a window that no longer exists.
    void disconnect()
    {
        const Automation& automation = Automation::get();
        if (automation.returnRawElementProvider)
            automation.returnRawElementProvider(window_, 0, 0, nullptr);
        if (automation.disconnectProvider)
            automation.disconnectProvider(this);
        window_ = nullptr;
    }

private:
    ~NewsSource() = default;

    HWND window_;
    QString name_;
    LONG references_ = 1;
};

constexpr wchar_t windowClass[] = L"TarvelloNews";

LRESULT CALLBACK newsWindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l)
{
    auto* source = reinterpret_cast<NewsSource*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_GETOBJECT && static_cast<long>(l) == uiaRootObjectId && source)
        return Automation::get().returnRawElementProvider(window, w, l, source);
    if (message == WM_DESTROY && source)
        source->disconnect();
    if (message == WM_NCDESTROY && source) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        source->Release();
    }
    return DefWindowProcW(window, message, w, l);
}

} // namespace

// The element lives in a hidden child window of `window`, which holds its one reference.
IRawElementProviderSimple* newsSourceOf(WId window)
{
    const auto parent = reinterpret_cast<HWND>(window);
    HWND child = FindWindowExW(parent, nullptr, windowClass, nullptr);
    if (!child) {
        static const bool registered = [] {
            WNDCLASSW type {};
            type.lpfnWndProc = newsWindowProcedure;
            type.hInstance = GetModuleHandleW(nullptr);
            type.lpszClassName = windowClass;
            return RegisterClassW(&type) != 0;
        }();
        if (!registered)
            return nullptr;
        child = CreateWindowExW(0, windowClass, L"", WS_CHILD, 0, 0, 0, 0, parent, nullptr,
            GetModuleHandleW(nullptr), nullptr);
        if (!child)
            return nullptr;
        SetWindowLongPtrW(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new NewsSource(child)));
    }
    return reinterpret_cast<NewsSource*>(GetWindowLongPtrW(child, GWLP_USERDATA));
}

void raiseWindowsNotification(QWidget* window, const QString& news)
{
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return;
    const Automation& automation = Automation::get();
    if (!automation.complete() || !automation.clientsAreListening())
        return;
    auto* source = static_cast<NewsSource*>(newsSourceOf(window->winId()));
    if (!source)
        return;
    source->setName(news);
    BSTR text = SysAllocString(reinterpret_cast<const wchar_t*>(news.utf16()));
    BSTR activity = SysAllocString(L"Tarvello.News");
    // All: every piece of news is spoken, in turn; none cuts off the one before it, as a
    // verdict would the seventh description, or a description the kind taken back before.
    automation.raiseNotificationEvent(
        source, NotificationKind_Other, NotificationProcessing_All, text, activity);
    SysFreeString(activity);
    SysFreeString(text);
}

} // namespace tarvello::access
