// The life cycle of the open database as the main window runs it. Every transition first asks its
// save question; a Cancel, or a save that failed, leaves everything as it was, except for the
// automatic lock, which always locks.
#include "core/EncryptedDatabase.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/MainWindowRules.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/login/AddExistingDatabase.h"
#include "shell/win32/login/CreateNewDatabase.h"
#include "shell/win32/login/LoginDialog.h"
#include "shell/win32/mainframe/MainFrame.h"
#include "shell/win32/system/RizeThread.h"
#include "shell/win32/ui/MessageBoxes.h"

#include <utility>

namespace vaultlet {

void MainFrame::BringModalForward() const {
    if (m_login != nullptr) {
        RaiseLogin();
        return;
    }
    const HWND popup = GetLastActivePopup(Handle());
    if (popup != nullptr && popup != Handle()) {
        SetForegroundWindow(popup);
    }
}

void MainFrame::OnSave() {
    BusyScope busy(*this);
    if (m_session.Save() == DatabaseSession::SaveResult::NoPath) {
        OnSaveAs();
    }
}

void MainFrame::OnSaveAs() {
    BusyScope busy(*this);
    if (CurrentDatabase::Get() == nullptr) {
        return;
    }
    const std::string path = m_questions.ChooseSaveAsPath();
    if (!path.empty()) {
        m_session.SaveAs(path);
    }
}

void MainFrame::OnNew() {
    BusyScope busy(*this);
    if (m_session.SavePrompt(IDS_SAVE_BEFORE_CLOSING) == SessionPrompts::Answer::Cancel) {
        return;
    }
    m_list.Load();
    std::unique_ptr<EncryptedDatabase> database = CreateNewDatabase(Handle(), m_list);
    if (database == nullptr) {
        return;
    }
    ClearViews(false);
    CurrentDatabase::Set(std::move(database));
    Rebuild();
}

void MainFrame::OnOpen() {
    BusyScope busy(*this);
    if (m_session.SavePrompt(IDS_SAVE_BEFORE_CLOSING) == SessionPrompts::Answer::Cancel) {
        return;
    }
    m_list.Load();
    const std::string path = AddExistingDatabase(Handle(), m_list);
    if (!path.empty()) {
        OpenDatabase(path);
    }
}

void MainFrame::OnLock() {
    Lock(true);
}

void MainFrame::OnLogoff() {
    Logoff();
}

void MainFrame::Lock(bool shown) {
    BusyScope busy(*this);
    if (m_session.SavePrompt(IDS_SAVE_BEFORE_LOCKING) == SessionPrompts::Answer::Cancel) {
        return;
    }
    WaitBehindLogin(shown);
}

void MainFrame::AutomaticLock(bool userMinimized) {
    // Already behind a password (a lock, or the login of a log-off): nothing left to hide.
    if (m_login != nullptr || CurrentDatabase::Get() == nullptr) {
        return;
    }
    if (m_busy > 0) {
        // The dialog may hold nodes of the database: it goes out of sight with the window, and the
        // lock follows when it ends.
        m_session.DeferAutomaticLock();
        ShowWindow(Handle(), SW_MINIMIZE);
        // Not every system hides a minimised window's dialogs by itself.
        ShowOwnedPopups(Handle(), FALSE);
        return;
    }
    const bool inSight = !userMinimized && IsWindowVisible(Handle()) && !IsIconic(Handle());
    BusyScope busy(*this);
    if (userMinimized) {
        // No, Cancel or a failed save keep the changes in memory, the flag raised; the lock goes on.
        m_session.SavePrompt(IDS_SAVE_BEFORE_LOCKING);
    } else {
        m_questions.CommitNote();
    }
    WaitBehindLogin(main_window::AutomaticLockShowsLogin(inSight, Settings::Read(setting::kShowTrayIcon) != 0));
}

void MainFrame::WaitBehindLogin(bool shown) {
    const EncryptedDatabase* locked = CurrentDatabase::Get();
    const ModelNode* selected = m_tree.SelectedNode();
    const std::string path = locked->Path();
    if (!path.empty()) {
        m_list.Load();
        m_list.AddFile(path);
    }
    // Nothing of the database stays in the hidden window's controls while it is locked, nor on the
    // clipboard.
    ClearViews(true);
    m_copy.ClearIfOurs();
    for (;;) {
        const INT_PTR result = RunLogin(path, true, shown);
        if (result == IDOK) {
            // The login may have replaced the database (a new one made from its list).
            ReturnFromLogin(CurrentDatabase::Get() == locked ? selected : nullptr);
            return;
        }
        // Closing from the lock asks about unsaved changes again; a Cancel there goes back to
        // the lock, never to an unlocked hidden window.
        if (TryClose()) {
            return;
        }
        shown = true;
    }
}

void MainFrame::Logoff() {
    BusyScope busy(*this);
    if (m_session.SavePrompt(IDS_SAVE_BEFORE_LOGOFF) == SessionPrompts::Answer::Cancel) {
        return;
    }
    ClearViews(false);
    m_copy.ClearIfOurs();
    CurrentDatabase::Reset();
    if (RunLogin("", false, true) == IDOK) {
        ReturnFromLogin(nullptr);
    } else {
        TryClose();
    }
}

void MainFrame::OpenDatabase(const std::string& path) {
    ClearViews(false);
    CurrentDatabase::Reset();
    if (RunLogin(path, true, true) == IDOK) {
        ReturnFromLogin(nullptr);
    } else {
        TryClose();
    }
}

void MainFrame::HandOver() {
    if (m_login != nullptr && CurrentDatabase::Get() == nullptr) {
        // The login of a log-off or open is up: it takes the file itself.
        PostMessageA(m_login->Handle(), MSG_OPEN_FILE, 0, 0);
        return;
    }
    if (m_busy > 0) {
        // After the dialog, or after the unlock: the file then replaces the database through the
        // usual save question.
        m_pendingHandOver = true;
        return;
    }
    BusyScope busy(*this);
    const std::string path = Settings::Read(setting::kOpenFile);
    if (path.empty() || m_session.SavePrompt(IDS_SAVE_BEFORE_CLOSING) == SessionPrompts::Answer::Cancel) {
        return;
    }
    std::string name;
    int cipherId = 0;
    if (!ProbeFile(path, name, cipherId)) {
        MessageBoxes::Error(Handle(), IDS_INCORRECT_FILE_FORMAT);
        return;
    }
    m_list.Load();
    m_list.AddFile(path);
    OpenDatabase(path);
}

void MainFrame::CheckFileOnDisk() {
    // Never under a dialog or a transition, and not while the window waits hidden for a login.
    if (m_busy > 0 || m_login != nullptr || !IsWindowVisible(Handle())) {
        return;
    }
    BusyScope busy(*this);
    std::unique_ptr<EncryptedDatabase> reloaded = m_session.OfferReload();
    if (reloaded == nullptr) {
        return;
    }
    ReplaceModel([&reloaded] { CurrentDatabase::Set(std::move(reloaded)); });
}

bool MainFrame::TryClose() {
    BusyScope busy(*this);
    if (m_session.SavePrompt(IDS_SAVE_BEFORE_CLOSING) == SessionPrompts::Answer::Cancel) {
        return false;
    }
    if (m_compact.IsOn()) {
        // The stored place is the normal layout's; the compact one comes back from its setting.
        ShowWindow(Handle(), SW_HIDE);
        ApplyCompact(false, false);
    }
    StorePlacement();
    DestroyWindow(Handle());
    return true;
}

INT_PTR MainFrame::RunLogin(const std::string& file, bool fileGiven, bool shown) {
    m_tray.reset();
    m_hotKey.Unregister();
    ShowPanes(false);
    ShowWindow(Handle(), SW_HIDE);
    LoginDialog login({file, fileGiven, shown, m_rizeThread}, m_folders);
    m_login = &login;
    // Not owned by the hidden main window, so it has a taskbar button of its own.
    const INT_PTR result = login.RunModal(nullptr);
    m_login = nullptr;
    return result;
}

void MainFrame::ReturnFromLogin(const ModelNode* reselect) {
    // The password was just given: an automatic lock that waited meanwhile has nothing to hide.
    m_session.TakeDeferredAutomaticLock();
    ShowPanes(true);
    Rebuild();
    if (reselect != nullptr) {
        m_tree.Select(reselect);
    }
    // A lock that waited for a dialog found the window minimised.
    ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(Handle());
    if (m_rizeThread != nullptr) {
        m_rizeThread->SetWindow(Handle());
    }
    RegisterHotKeyFromSettings();
    m_away.Reschedule();
}

void MainFrame::RaiseLogin() const {
    if (m_login != nullptr && m_login->Handle() != nullptr) {
        ShowWindow(m_login->Handle(), SW_SHOW);
        SetForegroundWindow(m_login->Handle());
    }
}

void MainFrame::OnExit() {
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

bool MainFrame::OnSessionMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_QUERYENDSESSION: {
        BusyScope busy(*this);
        result = m_sessionEnd.OnQuery(Handle(), lParam) ? TRUE : FALSE;
        return true;
    }
    case WM_ENDSESSION: {
        BusyScope busy(*this);
        m_sessionEnd.OnEnd(Handle(), wParam != FALSE);
        return true;
    }
    case MSG_TELL_RECOVERY_COPY: {
        BusyScope busy(*this);
        WindowsSessionEnd::TellAboutRecoveryCopy(Handle());
        return true;
    }
    case WM_WTSSESSION_CHANGE:
        m_away.OnSessionChange(wParam);
        return true;
    default:
        return false;
    }
}

void MainFrame::OnUnsavedChanges() {
    const bool free = m_busy == 0 && m_login == nullptr;
    BusyScope busy(*this);
    m_unsaved.OnChange(free);
}

} // namespace vaultlet
