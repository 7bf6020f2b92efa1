#pragma once

#include "shell/win32/update/UpdateWaitWindow.h"

#include <windows.h>

#include <memory>

namespace vaultlet {

// The main window's side of update checks: it starts the silent check at start-up and the check the
// user asks for, shows the wait window while the latter runs, says so when it found nothing or
// could not look, and shows the new-version dialog for whatever a check found.
//
// One asked-for check runs at a time: a second command while one runs does nothing, so no wait
// window is left without the check that would close it.
class UpdateNotices {
public:
    void StartSilentCheck(HWND window);
    void StartReportedCheck(HWND window);
    // Handles MSG_UPDATE_CHECK_STARTED, MSG_UPDATE_CHECK_FINISHED and MSG_UPDATE_AVAILABLE; false for
    // other messages.
    bool OnMessage(HWND window, UINT message, WPARAM wParam);
    // The window goes: so does the wait window.
    void Close() { m_wait.reset(); }

private:
    std::unique_ptr<UpdateWaitWindow> m_wait;
    bool m_reportedRunning = false;
};

} // namespace vaultlet
