#include "tests/support/win32/GuiDriver.h"

#include "core/TextConversion.h"

#include <vector>

namespace vaultlet::test {

bool WaitUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMilliseconds);
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
}

std::string TextOf(HWND window) {
    const int length = static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return std::string(Utf16ToAnsi(reinterpret_cast<const char16_t*>(text.data())).Viewed());
}

std::string ItemTextOf(HWND dialog, int id) {
    return TextOf(GetDlgItem(dialog, id));
}

void SetItemTextOf(HWND dialog, int id, const std::string& text) {
    const SecureU16String wide = AnsiToUtf16(text);
    SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Click(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

bool IsItemEnabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != 0;
}

bool IsChecked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

namespace {

struct Search {
    std::string title;
    HWND found = nullptr;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (IsWindowVisible(window) && std::string(className) == "#32770" &&
        (search->title.empty() || TextOf(window) == search->title)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FindDialogOfThread(DWORD threadId, const std::string& title) {
    Search search{title};
    EnumThreadWindows(threadId, MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ModalThread::ModalThread(std::function<INT_PTR()> body) : m_started(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    m_thread = std::thread([this, body = std::move(body)] {
        m_threadId = GetCurrentThreadId();
        SetEvent(m_started);
        m_result = body();
        m_done = true;
    });
    WaitForSingleObject(m_started, INFINITE);
}

ModalThread::~ModalThread() {
    m_thread.join();
    CloseHandle(m_started);
}

HWND ModalThread::WaitForDialog(const std::string& title, int timeoutMilliseconds) const {
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = FindDialogOfThread(m_threadId, title)) != nullptr; }, timeoutMilliseconds);
    return dialog;
}

bool ModalThread::WaitForEnd(int timeoutMilliseconds) const {
    return WaitUntil([this] { return m_done; }, timeoutMilliseconds);
}

} // namespace vaultlet::test
