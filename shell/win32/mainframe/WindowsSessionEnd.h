#pragma once

#include <windows.h>

#include <string>

namespace vaultlet {

class DatabaseSession;

// The end of the Windows session for the main window. At WM_QUERYENDSESSION the unsaved changes are
// written (DatabaseSession::EndSession: to the database's file, or else to a recovery copy) while the
// end of the session is held with a reason Windows shows. Nothing is ever asked: the user may be
// gone, and Windows would end the program under the question. Only when the changes could be
// written nowhere does the program ask Windows not to end the session; the reason then stays on
// Windows' screen, so the user can go back and keep them. When the end is cancelled after a recovery
// copy was written, the user hears about the copy at once; otherwise the next start tells.
class WindowsSessionEnd {
public:
    WindowsSessionEnd(DatabaseSession& session, std::string documentsFolder)
        : m_session(session), m_documents(std::move(documentsFolder)) {}

    // WM_QUERYENDSESSION with its reasons: whether Windows may end the session.
    bool OnQuery(HWND window, LPARAM reasons);
    // WM_ENDSESSION: `ending` is false when the end was cancelled and the session goes on.
    void OnEnd(HWND window, bool ending);
    // Tells about a recovery copy the user has not heard of yet, then forgets it.
    static void TellAboutRecoveryCopy(HWND owner);

private:
    static void HoldWith(HWND window, int reasonId);
    static void Release(HWND window);

    DatabaseSession& m_session;
    std::string m_documents;
};

} // namespace vaultlet
