#include "autofill/win32/DelayedClipboardText.h"

#include "autofill/win32/SecretClipboardFormats.h"
#include "core/SecureWipe.h"

namespace vaultlet {
namespace {

constexpr const char* kWindowClass = "VaultletDelayedClipboardText";
// A reader holds the clipboard open only while it copies the text.
constexpr int kOpenAttempts = 50;
constexpr DWORD kOpenRetryMilliseconds = 10;

bool RegisterWindowClass() {
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassA(&windowClass) != 0;
    }();
    return registered;
}

bool OpenWithRetries(HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(kOpenRetryMilliseconds);
    }
    return false;
}

} // namespace

DelayedClipboardText::DelayedClipboardText()
    : m_ready(CreateEventA(nullptr, TRUE, FALSE, nullptr)), m_taken(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    if (m_ready != nullptr && m_taken != nullptr && RegisterWindowClass()) {
        m_thread = std::thread([this] { Run(); });
        WaitForSingleObject(m_ready, INFINITE);
    }
}

DelayedClipboardText::~DelayedClipboardText() {
    if (m_window != nullptr) {
        PostMessageA(m_window, WM_CLOSE, 0, 0);
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
    CloseHandle(m_ready);
    CloseHandle(m_taken);
}

void DelayedClipboardText::Run() {
    m_window = CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr),
                               nullptr);
    if (m_window != nullptr) {
        SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
    }
    SetEvent(m_ready);
    if (m_window == nullptr) {
        return;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
}

LRESULT CALLBACK DelayedClipboardText::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<DelayedClipboardText*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_RENDERFORMAT:
        if (wParam == CF_TEXT) {
            self->Render();
        }
        return 0;
    case WM_RENDERALLFORMATS:
        // The window goes while the promise stands: the secret is not left behind for later.
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void DelayedClipboardText::Render() {
    // Asked by the system while the reader holds the clipboard open: no OpenClipboard here.
    SecretClipboardFormats::PutText(m_text.Viewed());
    SetEvent(m_taken);
}

bool DelayedClipboardText::Offer(std::string_view text) {
    if (m_window == nullptr || !OpenClipboard(m_window)) {
        return false;
    }
    m_text = text;
    ResetEvent(m_taken);
    bool offered = EmptyClipboard() && SecretClipboardFormats::PutMarkers();
    if (offered) {
        SetClipboardData(CF_TEXT, nullptr);
        offered = IsClipboardFormatAvailable(CF_TEXT) != FALSE;
    }
    CloseClipboard();
    return offered;
}

bool DelayedClipboardText::WaitUntilTaken(DWORD milliseconds) const {
    return WaitForSingleObject(m_taken, milliseconds) == WAIT_OBJECT_0;
}

void DelayedClipboardText::Withdraw() {
    if (OpenWithRetries(m_window)) {
        EmptyClipboard();
        CloseClipboard();
    }
    SecureWipe(m_text.data(), m_text.size());
    m_text.clear();
}

} // namespace vaultlet
