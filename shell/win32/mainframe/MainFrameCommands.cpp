// The main window's commands that are not transitions of the open database.
#include "core/Item.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/CurrentDatabase.h"
#include "shell/NodeEditing.h"
#include "shell/RegistryStore.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/app/ShellOpen.h"
#include "shell/win32/editing/PasswordGeneratorDialog.h"
#include "shell/win32/exchange/ExportCommand.h"
#include "shell/win32/exchange/ImportCommand.h"
#include "shell/win32/exchange/PrintCommand.h"
#include "shell/win32/login/ManageDatabaseListDialog.h"
#include "shell/win32/mainframe/MainFrame.h"
#include "shell/win32/options/AboutDialog.h"
#include "shell/win32/options/ChangeMasterPasswordDialog.h"
#include "shell/win32/options/DatabaseSettingsDialog.h"
#include "shell/win32/options/InstallOnRemovableDialog.h"
#include "shell/win32/options/SettingsDialog.h"
#include "shell/win32/options/Win32InstallSystem.h"
#include "shell/win32/ui/MessageBoxes.h"

namespace vaultlet {

void MainFrame::OnChangePassword() {
    ChangeMasterPasswordDialog dialog(*CurrentDatabase::Get());
    RunDialog(dialog);
}

void MainFrame::OnDatabaseSettings() {
    DatabaseSettingsDialog dialog(*CurrentDatabase::Get());
    RunDialog(dialog);
}

void MainFrame::OnInstallRemovable() {
    Win32InstallSystem system;
    std::vector<RemovableDrive> drives =
        ListRemovableDrives(system, LanguagePack::Instance().getString(IDS_REMOVABLE_DISK));
    if (drives.empty()) {
        MessageBoxes::ShowString(Handle(), IDS_NO_REMOVABLE_DISKS, MB_OK | MB_ICONWARNING);
        return;
    }
    // The copy takes the note as the user sees it, typed text not stored yet included.
    m_note.Commit();
    // Run as the window's dialog: a hand-over or a tray command meanwhile must not replace or lock
    // the database that the install is copying.
    InstallOnRemovableDialog dialog(CurrentDatabase::Get(), std::move(drives));
    RunDialog(dialog);
}

void MainFrame::OnExit() {
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void MainFrame::OnCopy() {
    CopyNode(CommandNode());
}

void MainFrame::OnSelectAll() {
    SendMessageA(m_note.Handle(), EM_SETSEL, 0, -1);
}

void MainFrame::OnCollapseAll() {
    m_tree.CollapseGroups();
}

void MainFrame::OnExpandAll() {
    m_tree.ExpandAll();
}

void MainFrame::OnToggleToolbar() {
    const bool shown = !m_toolbar.IsShown();
    m_toolbar.Show(shown);
    Settings::Write(setting::kShowToolbar, shown ? 1 : 0);
    LayoutChildren();
}

void MainFrame::OnToggleStatusBar() {
    const bool shown = IsWindowVisible(m_status.Handle()) == FALSE;
    ShowWindow(m_status.Handle(), shown ? SW_SHOW : SW_HIDE);
    Settings::Write(setting::kShowStatusBar, shown ? 1 : 0);
    LayoutChildren();
}

void MainFrame::OnAlwaysOnTop() {
    const bool onTop = Settings::Read(setting::kKeepOnTop) == 0;
    Settings::Write(setting::kKeepOnTop, onTop ? 1 : 0);
    SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void MainFrame::OnManageDatabases() {
    ManageDatabaseListDialog dialog(m_folders);
    RunDialog(dialog);
}

void MainFrame::OnSettings() {
    // The dialog's hot-key control must be able to take the current combination.
    m_hotKey.Unregister();
    SettingsDialog dialog;
    if (RunDialog(dialog) == IDOK) {
        // Re-created so that a changed "ShowTrayIcon" takes effect.
        m_tray.reset();
        EnsureTray();
        ApplyViewSettings();
    }
    RegisterHotKey();
}

void MainFrame::ApplyViewSettings() {
    m_toolbar.Show(!m_compact && Settings::Read(setting::kShowToolbar) != 0);
    ShowWindow(m_status.Handle(), Settings::Read(setting::kShowStatusBar) != 0 ? SW_SHOW : SW_HIDE);
    const bool onTop = Settings::Read(setting::kKeepOnTop) != 0;
    SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_tree.SetLines(Settings::Read(setting::kLinesIntoTree) != 0);
    LayoutChildren();
}

void MainFrame::OnExport() {
    BusyScope busy(*this);
    m_note.Commit();
    ExportDatabaseCommand(Handle());
}

void MainFrame::OnExportItem() {
    BusyScope busy(*this);
    m_note.Commit();
    ExportItemCommand(Handle(), [this] { return static_cast<const ModelNode*>(ActionNode()); });
}

void MainFrame::OnPrint() {
    BusyScope busy(*this);
    m_note.Commit();
    PrintCommand::Run(Handle(), nullptr);
}

void MainFrame::OnPrintItem() {
    BusyScope busy(*this);
    m_note.Commit();
    if (const ModelNode* node = ActionNode()) {
        PrintCommand::Run(Handle(), node);
    }
}

void MainFrame::OnImport() {
    BusyScope busy(*this);
    ImportCommand(Handle(), [this] { Rebuild(); });
}

void MainFrame::OnGenerator() {
    PasswordGeneratorDialog dialog;
    RunDialog(dialog);
}

void MainFrame::OnAbout() {
    AboutDialog dialog;
    RunDialog(dialog);
}

void MainFrame::OnCheckUpdates() {
    m_updates.StartReportedCheck(Handle());
}

void MainFrame::OnShowWindow() {
    if (m_login != nullptr) {
        RaiseLogin();
        return;
    }
    ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(Handle());
}

void MainFrame::OnUserGuide() {
    ShellOpen::Open(Handle(), node_editing::HelpFilePath(RegistryStore::ExecutablePath()));
}

void MainFrame::OpenLink(const ModelNode* node) {
    if (node == nullptr || node->Kind() != NodeKind::Item) {
        return;
    }
    const auto& item = static_cast<const Item&>(*node);
    if (item.Type() == ItemType::Url && !item.Value().empty()) {
        ShellOpen::Open(Handle(), node_editing::LinkTarget(item.Value().Viewed()));
    }
}

void MainFrame::OnNextFocus() {
    const HWND focus = GetFocus();
    HWND next = m_tree.Handle();
    if (focus == m_tree.Handle()) {
        next = m_items.Handle();
    } else if (focus == m_items.Handle()) {
        next = m_note.Handle();
    }
    SetFocus(next);
}

void MainFrame::OnEscape() {
    if (Settings::Read(setting::kMinimizeOnEsc) != 0) {
        PostMessageA(Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }
}

} // namespace vaultlet
