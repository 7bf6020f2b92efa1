#pragma once

#include "core/SecureString.h"

#include <windows.h>

#include <string_view>
#include <thread>

namespace vaultlet {

// A secret offered on the clipboard for one paste. The text is promised, not placed: the system
// asks this object's own window for it when the target reads the clipboard, which tells the
// sender that the paste has really happened. Emptying the clipboard right after sending Ctrl+V
// would race the target, which handles its input later and on its own thread, and would often
// paste nothing. The window lives on a thread of its own because the sending thread is busy.
class DelayedClipboardText {
public:
    DelayedClipboardText();
    ~DelayedClipboardText();
    DelayedClipboardText(const DelayedClipboardText&) = delete;
    DelayedClipboardText& operator=(const DelayedClipboardText&) = delete;

    // Empties the clipboard and promises the text with the secret's markers. False when the
    // clipboard could not be opened or filled.
    bool Offer(std::string_view text);
    // Waits until a program has read the text, at most `milliseconds`; true when it has.
    bool WaitUntilTaken(DWORD milliseconds) const;
    // Empties the clipboard (waiting a little for a reader that still holds it open) and forgets
    // the text.
    void Withdraw();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Run();
    void Render();

    SecureString m_text;
    HANDLE m_ready = nullptr;
    HANDLE m_taken = nullptr;
    HWND m_window = nullptr;
    std::thread m_thread;
};

} // namespace vaultlet
