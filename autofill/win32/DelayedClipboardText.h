#pragma once

#include "core/SecureString.h"

#include <windows.h>

#include <string_view>
#include <thread>

namespace vaultlet {

// A secret offered on the clipboard for one paste. The text is promised, not placed: the system
// asks this object's own window for it when a program reads the clipboard, which tells the sender
// that the paste has really happened. Emptying the clipboard right after sending Ctrl+V would race
// the target, which handles its input later and on its own thread, and would often paste nothing.
// The window lives on a thread of its own because the sending thread is busy.
//
// The promise is kept for one reader only: a window of the target's process that has the clipboard
// open after the paste keys were sent. Anyone who asks before, or from another process, gets
// nothing, and from then on so does everyone.
class DelayedClipboardText {
public:
    enum class Outcome {
        Taken,    // the target's process read the text
        Refused,  // another program asked for it first
        NotAsked, // nobody asked in time
    };

    DelayedClipboardText();
    ~DelayedClipboardText();
    DelayedClipboardText(const DelayedClipboardText&) = delete;
    DelayedClipboardText& operator=(const DelayedClipboardText&) = delete;

    // Empties the clipboard and promises the text with the secret's markers. False when the
    // clipboard could not be opened or filled.
    bool Offer(std::string_view text);
    // The paste keys have gone to a window of the process: lets that process read the text and
    // waits at most `milliseconds` for a reader.
    Outcome ReleaseTo(DWORD processId, DWORD milliseconds);
    // Empties the clipboard, if it still holds the promise or the text (waiting a little for a
    // reader that still holds it open), and forgets the text. Text that was read and cannot be
    // taken off goes to the program's ClipboardKeeper, which clears it as soon as it can.
    void Withdraw();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Run();
    void Render();
    bool ReaderIsTarget() const;
    bool IsSet(HANDLE event) const;

    SecureString m_text;
    DWORD m_target = 0;
    HANDLE m_ready = nullptr;
    HANDLE m_released = nullptr;
    HANDLE m_withdrawn = nullptr;
    HANDLE m_taken = nullptr;
    HANDLE m_refused = nullptr;
    HWND m_window = nullptr;
    std::thread m_thread;
};

} // namespace vaultlet
