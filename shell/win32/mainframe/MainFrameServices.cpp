// What ties the main window to the desktop: tray icon, global hot key, a node shown at another
// window's request, the passphrase monitor, the settings that configure them, and the system
// commands that minimise, restore or close the window.
#include "core/Item.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/MainWindowRules.h"
#include "shell/NodeFinder.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/autofill/AutofillPasscardDialog.h"
#include "shell/win32/mainframe/MainFrame.h"
#include "shell/win32/options/SettingsDialog.h"
#include "shell/win32/system/OwnWindows.h"

namespace vaultlet {
namespace {

// WM_SYSCOMMAND: the system uses the low four bits of the command itself.
constexpr WPARAM kSystemCommandMask = 0xFFF0;

main_window::TraySettings ReadTraySettings() {
    main_window::TraySettings settings;
    settings.showTrayIcon = Settings::Read(setting::kShowTrayIcon) != 0;
    settings.minimizeToTray = Settings::Read(setting::kMinimizeToTray) != 0;
    settings.autoLogOff = Settings::Read(setting::kAutoLogOff) != 0;
    settings.closeToTray = Settings::Read(setting::kCloseToTray) != 0;
    return settings;
}

} // namespace

void MainFrame::EnsureTray() {
    if (!m_tray && Settings::Read(setting::kShowTrayIcon) != 0) {
        m_tray = std::make_unique<TrayIcon>(Handle(), MSG_MAIN_TRAY_NOTIFY, IDR_TRAY_MENU);
        m_tray->Show();
    }
}

void MainFrame::RegisterHotKeyFromSettings() {
    m_hotKey.RegisterFromSettings(Handle());
}

void MainFrame::OnHotKey() {
    EncryptedDatabase* database = CurrentDatabase::Get();
    const HWND target = GetForegroundWindow();
    if (database == nullptr || m_login != nullptr || target == nullptr || IsOwnWindow(target)) {
        return;
    }
    // Unregistered while the chooser is up, so a second press cannot open another over it.
    m_hotKey.Unregister();
    AutofillPasscardDialog chooser(target, *database);
    BusyScope busy(*this);
    chooser.RunModal(GetActiveWindow());
    RegisterHotKeyFromSettings();
}

void MainFrame::OnSelectNode(LPARAM node) {
    // Found by identity among the tree's items, or among the database's fields (the tree shows fields
    // only in the compact layout; otherwise the list shows them under their passcard); the pointer
    // itself is never followed.
    const auto* wanted = reinterpret_cast<const ModelNode*>(node);
    if (m_tree.Select(wanted)) {
        SetFocus(m_tree.Handle());
        return;
    }
    const EncryptedDatabase* database = CurrentDatabase::Get();
    const Item* field = database != nullptr ? NodeFinder::FieldAt(*database, wanted) : nullptr;
    if (field != nullptr && m_tree.Select(field->Parent()) && m_items.Select(field)) {
        SetFocus(m_items.Handle());
    }
}

void MainFrame::OnMonitorTick() {
    // A locked database types nothing: the lock must stop every use of its secrets.
    if (m_login != nullptr || Settings::Read(setting::kMonitor) == 0) {
        return;
    }
    m_monitor.CheckForeground(CurrentDatabase::Get());
}

void MainFrame::OnSettings() {
    // The dialog's hot-key control must be able to take the current combination.
    m_hotKey.Unregister();
    SettingsDialog dialog;
    if (RunDialog(dialog) == IDOK) {
        // Re-created so that a changed "ShowTrayIcon" takes effect.
        m_tray.reset();
        EnsureTray();
        m_view.ApplySettings();
        m_away.Reschedule();
    }
    RegisterHotKeyFromSettings();
}

void MainFrame::OnShowWindow() {
    if (m_login != nullptr) {
        RaiseLogin();
        return;
    }
    ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(Handle());
}

bool MainFrame::OnSysCommand(WPARAM command) {
    switch (command & kSystemCommandMask) {
    case SC_MINIMIZE:
        switch (main_window::ChooseMinimizeAction(ReadTraySettings(), m_busy > 0)) {
        case main_window::MinimizeAction::LockHidden:
        case main_window::MinimizeAction::MinimizeThenLock:
            AutomaticLock(true);
            return true;
        case main_window::MinimizeAction::HideToTray:
            ShowWindow(Handle(), SW_HIDE);
            EnsureTray();
            return true;
        case main_window::MinimizeAction::Minimize:
            return false;
        }
        return false;
    case SC_CLOSE:
        if (!main_window::CloseButtonMinimizes(ReadTraySettings(), m_compact.IsOn())) {
            return false;
        }
        PostMessageA(Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return true;
    case SC_RESTORE:
        if (m_login == nullptr) {
            return false;
        }
        // A second start or the raise thread wants the program's window: while locked that is
        // the login, never the database.
        RaiseLogin();
        return true;
    default:
        return false;
    }
}

bool MainFrame::OnWindowPosChanging(WINDOWPOS& position) const {
    if (m_login != nullptr && (position.flags & SWP_SHOWWINDOW) != 0) {
        position.flags &= ~SWP_SHOWWINDOW;
        RaiseLogin();
    }
    return false;
}

} // namespace vaultlet
