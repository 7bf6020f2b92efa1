#include "shell/win32/mainframe/WindowsSessionEnd.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/DatabaseSession.h"
#include "shell/RecoveryCopy.h"
#include "shell/TextFormat.h"
#include "shell/win32/ui/MessageBoxes.h"

#include <string>

namespace vaultlet {

bool WindowsSessionEnd::OnQuery(HWND window, LPARAM reasons) {
    HoldWith(window, IDS_SESSION_END_SAVING);
    const DatabaseSession::SessionEnd end = m_session.EndSession(m_documents);
    // A critical end does not wait for anyone.
    if (end.outcome != DatabaseSession::SessionEnd::Outcome::NotSaved || (reasons & ENDSESSION_CRITICAL) != 0) {
        Release(window);
        return true;
    }
    HoldWith(window, IDS_SESSION_END_NOT_SAVED);
    return false;
}

void WindowsSessionEnd::OnEnd(HWND window, bool ending) {
    if (ending) {
        // Ended all the same, or without asking first: one more try, which writes nothing new when
        // the query already put these changes somewhere.
        m_session.EndSession(m_documents);
        return;
    }
    Release(window);
    // The user goes on working; posted, so no box opens while Windows is still telling programs.
    PostMessageA(window, MSG_TELL_RECOVERY_COPY, 0, 0);
}

void WindowsSessionEnd::TellAboutRecoveryCopy(HWND owner) {
    const std::string copy = RecoveryCopy::TakeUntold();
    if (!copy.empty()) {
        MessageBoxes::Show(owner, FormatText(LanguagePack::Instance().getString(IDS_RECOVERY_COPY_WRITTEN), {copy}),
                           MB_OK | MB_ICONINFORMATION);
    }
}

void WindowsSessionEnd::HoldWith(HWND window, int reasonId) {
    const std::string reason = LanguagePack::Instance().getString(reasonId);
    std::wstring wide(reason.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, reason.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<std::size_t>(length) : 1);
    // Not every system can show a reason (older ones, emulated ones); the end goes on without it.
    ShutdownBlockReasonCreate(window, wide.c_str());
}

void WindowsSessionEnd::Release(HWND window) {
    ShutdownBlockReasonDestroy(window);
}

} // namespace vaultlet
