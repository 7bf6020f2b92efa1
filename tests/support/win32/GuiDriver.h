#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace vaultlet::test {

// Driving real windows from a test, without timing luck: every wait is for a condition, with a
// bounded timeout, pumping the calling thread's messages meanwhile.

bool WaitUntil(const std::function<bool()>& condition, int timeoutMilliseconds = 10000);

// The window's text read through the wide API (which works across threads and processes) and
// converted to the system code page.
std::string TextOf(HWND window);
std::string ItemTextOf(HWND dialog, int id);
void SetItemTextOf(HWND dialog, int id, const std::string& text);
// Presses a button without waiting for what the click starts (a nested modal box would block).
void Click(HWND dialog, int id);
bool IsItemEnabled(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);

// The first visible top-level window of the thread whose class is the dialog class, or null.
HWND FindDialogOfThread(DWORD threadId, const std::string& title = {});

// Runs a modal dialog (or anything with a message loop) on a thread of its own, so the test thread
// can drive it. The destructor waits for the thread to end.
class ModalThread {
public:
    explicit ModalThread(std::function<INT_PTR()> body);
    ~ModalThread();
    ModalThread(const ModalThread&) = delete;
    ModalThread& operator=(const ModalThread&) = delete;

    // Waits for a visible dialog of that thread (with that title, when given).
    HWND WaitForDialog(const std::string& title = {}, int timeoutMilliseconds = 10000) const;
    // Waits for the body to return; false on timeout.
    bool WaitForEnd(int timeoutMilliseconds = 10000) const;
    INT_PTR Result() const { return m_result; }

private:
    std::thread m_thread;
    DWORD m_threadId = 0;
    HANDLE m_started = nullptr;
    volatile bool m_done = false;
    INT_PTR m_result = 0;
};

} // namespace vaultlet::test
