#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vaultlet::test {

// Driving real windows from a test, without timing luck: every wait is for a condition, with a
// bounded timeout, pumping the calling thread's messages meanwhile (PumpUntil of Win32TestWindows.h).

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
// The text of a list view's cell, asked for directly (the list must be in the test's process).
std::string ListViewText(HWND list, int row, int column);
// The control with the keyboard focus on the window's thread, or null.
HWND FocusOf(HWND window);

// Drop-down lists, read through the wide API so that it works across processes.
std::vector<std::string> ComboItemsOf(HWND dialog, int id);
int ComboSelectionOf(HWND dialog, int id);
// Selects an item (-1: none) and tells the dialog, as a user's choice would; does not wait.
void ChooseComboItem(HWND dialog, int id, int index);

// The first visible top-level dialog of a process (0: any process) for which `accept` is true.
HWND FindDialog(DWORD processId, const std::function<bool(HWND)>& accept);
// Waits for such a dialog; null on timeout.
HWND WaitForDialog(DWORD processId, const std::function<bool(HWND)>& accept, int timeoutMilliseconds = 10000);
bool HasControl(HWND dialog, int id);

// A message box: its text, and a wait for one of a process (0: any), recognised by having no
// control of the program's own dialogs but a static text and a button.
std::string MessageTextOf(HWND box);
HWND WaitForMessageBox(DWORD processId, int timeoutMilliseconds = 10000);

// Presses Ctrl+Alt+F, the default global hot key, as the user's keyboard would.
void PressHotKey();

// The system's open and save dialogs: recognised by their file-name field; TypeFileName enters a
// full path there and presses the default button, Cancel presses Cancel.
bool IsFileDialog(HWND dialog);
void TypeFileName(HWND fileDialog, const std::string& path);

// Runs a modal dialog (or anything with a message loop) on a thread of its own, so the test thread
// can drive it. The destructor waits for the body to return, closing the thread's windows if it has
// not (a test that failed half-way). The threads are reused from one ModalThread to the next (with
// their message queues emptied in between): under Wine each thread that ever opened a file dialog
// keeps a COM endpoint for the rest of the process, and the 64th such thread's file dialog never
// appears.
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
    // Waits for a visible dialog of that thread for which `accept` is true.
    HWND WaitForDialogWhere(const std::function<bool(HWND)>& accept, int timeoutMilliseconds = 10000) const;
    INT_PTR Result() const { return m_result; }
    DWORD ThreadId() const { return m_threadId; }

private:
    class Worker;

    std::unique_ptr<Worker> m_worker;
    DWORD m_threadId = 0;
    std::atomic<bool> m_done = false;
    INT_PTR m_result = 0;
};

} // namespace vaultlet::test
