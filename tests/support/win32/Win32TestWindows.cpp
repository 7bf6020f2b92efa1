#include "tests/support/win32/Win32TestWindows.h"

#include <cwchar>

namespace vaultlet::test {
namespace {

// TRUE on WM_INITDIALOG: the dialog manager puts the focus on the first tab stop, an edit. The
// dialog manager also keeps that focus when the dialog is deactivated and activated again.
INT_PTR CALLBACK DialogProcedure(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

} // namespace

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMilliseconds;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

std::string WindowTextOf(HWND window) {
    char buffer[1024] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                             5000, &copied)) {
        return "<no answer>";
    }
    return std::string(buffer, copied);
}

bool NoKeyIsPressed() {
    for (int key = 0x08; key < 0xFF; ++key) {
        if ((GetAsyncKeyState(key) & 0x8000) != 0) {
            return false;
        }
    }
    return true;
}

bool ClipboardHasText(HWND owner) {
    if (!OpenClipboard(owner)) {
        return true; // cannot tell; count it as not empty
    }
    const bool hasText = IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_UNICODETEXT);
    CloseClipboard();
    return hasText;
}

DialogTemplate::DialogTemplate(const wchar_t* title, short width, short height) {
    AddDword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE);
    AddDword(0);
    m_countIndex = m_words.size();
    m_words.push_back(0);
    for (const short value : {short{20}, short{20}, width, height}) {
        m_words.push_back(static_cast<WORD>(value));
    }
    m_words.push_back(0); // no menu
    m_words.push_back(0); // the predefined dialog class
    AddString(title);
}

void DialogTemplate::AddControl(WORD classAtom, const wchar_t* text, WORD id, DWORD style, short x, short y,
                                short width, short height) {
    AlignToDword();
    AddDword(style | WS_CHILD | WS_VISIBLE);
    AddDword(0);
    for (const short value : {x, y, width, height}) {
        m_words.push_back(static_cast<WORD>(value));
    }
    m_words.push_back(id);
    m_words.push_back(0xFFFF);
    m_words.push_back(classAtom);
    AddString(text);
    m_words.push_back(0); // no creation data
    ++m_words[m_countIndex];
}

void DialogTemplate::AddDword(DWORD value) {
    m_words.push_back(LOWORD(value));
    m_words.push_back(HIWORD(value));
}

void DialogTemplate::AddString(const wchar_t* text) {
    for (const wchar_t* c = text; *c != L'\0'; ++c) {
        m_words.push_back(static_cast<WORD>(*c));
    }
    m_words.push_back(0);
}

void DialogTemplate::AlignToDword() {
    if (m_words.size() % 2 != 0) {
        m_words.push_back(0);
    }
}

WindowThread::WindowThread(Factory factory, std::function<void()> atExit)
    : m_ready(CreateEventW(nullptr, TRUE, FALSE, nullptr)), m_done(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    m_thread = std::thread([this, factory, atExit] { Run(factory, atExit); });
    // Keep this thread's windows answering: creating and destroying windows and opening the
    // clipboard may send messages to them.
    PumpUntil([this] { return WaitForSingleObject(m_ready, 0) == WAIT_OBJECT_0; });
}

WindowThread::~WindowThread() {
    if (m_threadId != 0) {
        PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    }
    PumpUntil([this] { return WaitForSingleObject(m_done, 0) == WAIT_OBJECT_0; });
    m_thread.join();
    CloseHandle(m_ready);
    CloseHandle(m_done);
}

bool WindowThread::BringToFront() const {
    SetForegroundWindow(m_window);
    return PumpUntil([this] { return GetForegroundWindow() == m_window; });
}

void WindowThread::Run(Factory factory, std::function<void()> atExit) {
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE); // a message queue before anyone posts
    m_window = factory();
    m_threadId = GetCurrentThreadId();
    SetEvent(m_ready);
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(m_window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (atExit) {
        atExit();
    }
    DestroyWindow(m_window);
    SetEvent(m_done);
}

HWND CreatePassphrasePrompt(const wchar_t* keyName) {
    DialogTemplate prompt(L"Pageant: Enter Passphrase", 190, 70);
    prompt.AddControl(DialogTemplate::kStatic, L"Enter passphrase for key", 0xFFFF, SS_LEFT, 6, 6, 178, 8);
    prompt.AddControl(DialogTemplate::kStatic, keyName, 0xFFFF, SS_LEFT, 6, 16, 178, 8);
    prompt.AddControl(DialogTemplate::kEdit, L"", kPromptEditId, WS_BORDER | WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL,
                      6, 28, 178, 12);
    prompt.AddControl(DialogTemplate::kButton, L"O&K", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 80, 48, 50, 14);
    prompt.AddControl(DialogTemplate::kButton, L"&Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 134, 48, 50, 14);
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), prompt.Get(), nullptr, DialogProcedure, 0);
}

HWND CreateLoginForm() {
    DialogTemplate form(L"Log in", 200, 80);
    form.AddControl(DialogTemplate::kStatic, L"Login", 0xFFFF, SS_LEFT, 6, 6, 60, 8);
    form.AddControl(DialogTemplate::kEdit, L"", kLoginEditId, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 70, 6, 120, 12);
    form.AddControl(DialogTemplate::kStatic, L"Password", 0xFFFF, SS_LEFT, 6, 24, 60, 8);
    form.AddControl(DialogTemplate::kEdit, L"", kPasswordEditId, WS_BORDER | WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL,
                    70, 24, 120, 12);
    form.AddControl(DialogTemplate::kButton, L"OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 140, 50, 50, 14);
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), form.Get(), nullptr, DialogProcedure, 0);
}

HWND CreateOwnerWindow() {
    return CreateWindowExW(0, L"Static", L"clipboard owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

} // namespace vaultlet::test
