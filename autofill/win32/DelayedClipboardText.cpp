#include "autofill/win32/DelayedClipboardText.h"

#include "autofill/win32/ClipboardKeeper.h"
#include "autofill/win32/SecretClipboardFormats.h"
#include "core/SecureWipe.h"

namespace vaultlet {
namespace {

constexpr const char* kWindowClass = "VaultletDelayedClipboardText";
// A reader holds the clipboard open only while it copies the text.
constexpr int kOpenAttempts = 50;
constexpr DWORD kOpenRetryMilliseconds = 10;
// The target may ask for the text as soon as it has the V key, before the last of the paste keys
// has gone out; a request waits this long for the release. Far more than the longest hold time.
constexpr DWORD kReleaseWaitMilliseconds = 5000;

HANDLE ManualResetEvent() {
    return CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

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
    : m_ready(ManualResetEvent()), m_released(ManualResetEvent()), m_withdrawn(ManualResetEvent()),
      m_taken(ManualResetEvent()), m_refused(ManualResetEvent()) {
    if (m_ready != nullptr && m_released != nullptr && m_withdrawn != nullptr && m_taken != nullptr &&
        m_refused != nullptr && RegisterWindowClass()) {
        m_thread = std::thread([this] { Run(); });
        WaitForSingleObject(m_ready, INFINITE);
    }
}

DelayedClipboardText::~DelayedClipboardText() {
    SetEvent(m_withdrawn);
    if (m_window != nullptr) {
        PostMessageA(m_window, WM_CLOSE, 0, 0);
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
    for (HANDLE event : {m_ready, m_released, m_withdrawn, m_taken, m_refused}) {
        if (event != nullptr) {
            CloseHandle(event);
        }
    }
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

// Asked by the system while the reader holds the clipboard open: no OpenClipboard here.
void DelayedClipboardText::Render() {
    const HANDLE wake[] = {m_released, m_withdrawn};
    const DWORD woke = WaitForMultipleObjects(2, wake, FALSE, kReleaseWaitMilliseconds);
    if (IsSet(m_refused) || woke != WAIT_OBJECT_0 || IsSet(m_withdrawn) || !ReaderIsTarget()) {
        SetEvent(m_refused);
        return;
    }
    if (SecretClipboardFormats::PutText(m_text.Viewed())) {
        SetEvent(m_taken);
    }
}

// The window that has the clipboard open is one of the target's process; a reader that opened it
// without a window cannot be told apart from any other and counts as another program.
bool DelayedClipboardText::ReaderIsTarget() const {
    const HWND reader = GetOpenClipboardWindow();
    DWORD process = 0;
    return reader != nullptr && GetWindowThreadProcessId(reader, &process) != 0 && process == m_target;
}

bool DelayedClipboardText::IsSet(HANDLE event) const {
    return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
}

bool DelayedClipboardText::Offer(std::string_view text) {
    if (m_window == nullptr || !OpenClipboard(m_window)) {
        return false;
    }
    m_text = text;
    bool offered = EmptyClipboard() && SecretClipboardFormats::PutMarkers();
    if (offered) {
        SetClipboardData(CF_TEXT, nullptr);
        offered = IsClipboardFormatAvailable(CF_TEXT) != FALSE;
    }
    CloseClipboard();
    return offered;
}

DelayedClipboardText::Outcome DelayedClipboardText::ReleaseTo(DWORD processId, DWORD milliseconds) {
    m_target = processId;
    SetEvent(m_released);
    const HANDLE done[] = {m_taken, m_refused};
    switch (WaitForMultipleObjects(2, done, FALSE, milliseconds)) {
    case WAIT_OBJECT_0:
        return Outcome::Taken;
    case WAIT_OBJECT_0 + 1:
        return Outcome::Refused;
    default:
        return Outcome::NotAsked;
    }
}

void DelayedClipboardText::Withdraw() {
    SetEvent(m_withdrawn);
    if (m_window != nullptr && OpenWithRetries(m_window)) {
        // Whatever another program copied since is left alone.
        if (GetClipboardOwner() == m_window) {
            EmptyClipboard();
        }
        CloseClipboard();
    } else if (IsSet(m_taken)) {
        if (ClipboardKeeper* keeper = ClipboardKeeper::Current()) {
            keeper->TakeOver(m_text.Viewed());
        }
    }
    SecureWipe(m_text.data(), m_text.size());
    m_text.clear();
}

} // namespace vaultlet
