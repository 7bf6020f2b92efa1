#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace vaultlet::test {

// Pumps the calling thread's messages until the condition holds or the time is up; true when it
// held. Every wait for another thread or for synthesized input goes through here.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds = 10000);

// A window's text through WM_GETTEXT, also for a window of another thread of this process.
std::string WindowTextOf(HWND window);

// True when no key is down according to the asynchronous key state (mouse buttons aside).
bool NoKeyIsPressed();

// True when the clipboard holds text; owner opens it for the look.
bool ClipboardHasText(HWND owner);

// An in-memory dialog template (DLGTEMPLATE with its DLGITEMTEMPLATEs) built control by control.
class DialogTemplate {
public:
    DialogTemplate(const wchar_t* title, short width, short height);

    // Class atoms of the predefined dialog controls.
    static constexpr WORD kButton = 0x0080;
    static constexpr WORD kEdit = 0x0081;
    static constexpr WORD kStatic = 0x0082;

    void AddControl(WORD classAtom, const wchar_t* text, WORD id, DWORD style, short x, short y, short width,
                    short height);
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void AddDword(DWORD value);
    void AddString(const wchar_t* text);
    void AlignToDword();

    std::vector<WORD> m_words;
    std::size_t m_countIndex = 0;
};

// A window living on a thread of its own with its own message loop (IsDialogMessage, so Tab moves
// between controls), standing in for another application's window.
class WindowThread {
public:
    using Factory = std::function<HWND()>;

    // Runs the factory on the new thread and waits until the window exists; atExit runs on that
    // thread when the loop ends.
    explicit WindowThread(Factory factory, std::function<void()> atExit = {});
    ~WindowThread();
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;

    HWND Window() const { return m_window; }
    // The control with the given id in the window.
    HWND Control(int id) const { return GetDlgItem(m_window, id); }
    // Makes the window the foreground window and waits until it is.
    bool BringToFront() const;

private:
    void Run(Factory factory, std::function<void()> atExit);

    std::thread m_thread;
    HANDLE m_ready;
    HANDLE m_done;
    DWORD m_threadId = 0;
    HWND m_window = nullptr;
};

// The Pageant passphrase prompt: dialog class #32770, two static texts (the question and the key
// name), a password edit that gets the focus, and the buttons O&K and &Cancel.
HWND CreatePassphrasePrompt(const wchar_t* keyName);

// A login form: a dialog with two edits (login, password; ids kLoginEditId and kPasswordEditId) of
// which the first gets the focus, and an OK button.
HWND CreateLoginForm();
constexpr int kLoginEditId = 101;
constexpr int kPasswordEditId = 102;
constexpr int kPromptEditId = 201;

// A hidden window of the calling thread, for owning the clipboard.
HWND CreateOwnerWindow();

} // namespace vaultlet::test
