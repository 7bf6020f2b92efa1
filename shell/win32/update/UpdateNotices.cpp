#include "shell/win32/update/UpdateNotices.h"

#include "resources/resource.h"
#include "shell/win32/ui/MessageBoxes.h"
#include "shell/win32/update/NewVersionDialog.h"
#include "shell/win32/update/UpdateChecker.h"

namespace vaultlet {

void UpdateNotices::StartSilentCheck(HWND window) {
    UpdateChecker::StartCheck(UpdateChecker::Options::ForThisProgram(window, true));
}

void UpdateNotices::StartReportedCheck(HWND window) {
    if (m_reportedRunning) {
        return;
    }
    m_reportedRunning = UpdateChecker::StartCheck(UpdateChecker::Options::ForThisProgram(window, false));
}

bool UpdateNotices::OnMessage(HWND window, UINT message, WPARAM wParam) {
    switch (message) {
    case MSG_UPDATE_CHECK_STARTED:
        if (!m_wait) {
            m_wait = std::make_unique<UpdateWaitWindow>();
            m_wait->CreateModeless(window);
        }
        return true;
    case MSG_UPDATE_CHECK_FINISHED:
        m_wait.reset();
        m_reportedRunning = false;
        if (wParam == UpdateChecker::kNoUpdate) {
            MessageBoxes::ShowString(window, IDS_NO_NEW_UPDATES, MB_OK | MB_ICONINFORMATION);
        } else if (wParam == UpdateChecker::kFailed) {
            // Never "no new updates": the user would trust an old version that nobody checked.
            MessageBoxes::ShowString(window, IDS_UPDATE_CHECK_FAILED, MB_OK | MB_ICONWARNING);
        }
        return true;
    case MSG_UPDATE_AVAILABLE: {
        const HWND active = GetActiveWindow();
        NewVersionDialog::ShowLatest(active != nullptr ? active : window);
        return true;
    }
    default:
        return false;
    }
}

} // namespace vaultlet
