#pragma once

#include <windows.h>

namespace vaultlet {

// Base of the program's top-level windows, the counterpart of Dialog: a registered window class
// whose procedure stores `this` on WM_NCCREATE and forwards each message to virtual handlers.
// Exceptions stop at this edge; they never cross into the system.
class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const noexcept { return m_window; }

protected:
    Window() = default;

    // Registers the class on first use and creates the window; false when it could not be created.
    bool Create(const char* className, const char* title, DWORD style, DWORD extendedStyle, HMENU menu, HICON icon);

    // WM_CREATE; false makes the creation fail.
    virtual bool OnCreate() { return true; }
    // A WM_COMMAND from a control, menu or accelerator; true when handled.
    virtual bool OnCommand(int, int, HWND) { return false; }
    // A WM_NOTIFY; true when handled, with `result` as the answer.
    virtual bool OnNotify(const NMHDR&, LRESULT&) { return false; }
    virtual void OnTimer(UINT_PTR) {}
    virtual void OnSize(int, int) {}
    virtual void OnDestroy() {}
    // Any other message; true when handled, with `result` as the answer. Unhandled messages go to
    // DefWindowProc.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
};

// The thread's message loop for a frame window: its accelerators go to the frame (from the frame and
// its child windows only), and dialog keys reach modeless dialogs. Returns the WM_QUIT code.
int RunMessageLoop(HWND frame, HACCEL accelerators);

} // namespace vaultlet
