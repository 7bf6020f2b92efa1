#include "shell/win32/mainframe/ToolCommands.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/CurrentDatabase.h"
#include "shell/NodeEditing.h"
#include "shell/ProductSite.h"
#include "shell/RegistryStore.h"
#include "shell/win32/editing/PasswordGeneratorDialog.h"
#include "shell/win32/exchange/ExportCommand.h"
#include "shell/win32/exchange/ImportCommand.h"
#include "shell/win32/exchange/PrintCommand.h"
#include "shell/win32/find/FindDialog.h"
#include "shell/win32/health/PasswordHealthDialog.h"
#include "shell/win32/login/ManageDatabaseListDialog.h"
#include "shell/win32/mainframe/FrameHost.h"
#include "shell/win32/mainframe/NotePane.h"
#include "shell/win32/mainframe/PaneSelection.h"
#include "shell/win32/options/AboutDialog.h"
#include "shell/win32/options/ChangeMasterPasswordDialog.h"
#include "shell/win32/options/DatabaseSettingsDialog.h"
#include "shell/win32/options/InstallOnRemovableDialog.h"
#include "shell/win32/options/Win32InstallSystem.h"
#include "shell/win32/system/ShellOpen.h"
#include "shell/win32/ui/MessageBoxes.h"
#include "shell/win32/update/UpdateNotices.h"

namespace vaultlet {

const CommandTable<ToolCommands> ToolCommands::kCommands = {
    {ID_FILE_CHANGE_MASTER_PASSWORD, &ToolCommands::OnChangePassword},
    {ID_FILE_DATABASE_SETTINGS, &ToolCommands::OnDatabaseSettings},
    {ID_FILE_INSTALL_REMOVABLE, &ToolCommands::OnInstallRemovable},
    {ID_OPTIONS_MANAGE_DATABASES, &ToolCommands::OnManageDatabases},
    {ID_FILE_EXPORT, &ToolCommands::OnExport},
    {ID_EDIT_EXPORT_ITEM, &ToolCommands::OnExportItem},
    {ID_FILE_IMPORT, &ToolCommands::OnImport},
    {ID_FILE_PRINT, &ToolCommands::OnPrint},
    {ID_EDIT_PRINT_ITEM, &ToolCommands::OnPrintItem},
    {ID_TOOLS_PASSWORD_GENERATOR, &ToolCommands::OnGenerator},
    {ID_TOOLS_PASSWORD_HEALTH, &ToolCommands::OnPasswordHealth},
    {ID_EDIT_FIND, &ToolCommands::OnFind},
    {ID_APP_ABOUT, &ToolCommands::OnAbout},
    {ID_HELP_CHECK_UPDATES, &ToolCommands::OnCheckUpdates},
    {ID_HELP_USER_GUIDE, &ToolCommands::OnUserGuide},
    {ID_HELP_HOME_PAGE, &ToolCommands::OnHomePage},
    {ID_HELP_REPORT_BUG, &ToolCommands::OnReportBug},
};

void ToolCommands::OnChangePassword() {
    ChangeMasterPasswordDialog dialog(*CurrentDatabase::Get());
    m_host.RunDialog(dialog);
}

void ToolCommands::OnDatabaseSettings() {
    DatabaseSettingsDialog dialog(*CurrentDatabase::Get());
    m_host.RunDialog(dialog);
}

void ToolCommands::OnInstallRemovable() {
    Win32InstallSystem system;
    std::vector<RemovableDrive> drives =
        ListRemovableDrives(system, LanguagePack::Instance().getString(IDS_REMOVABLE_DISK));
    if (drives.empty()) {
        MessageBoxes::ShowString(m_host.Frame(), IDS_NO_REMOVABLE_DISKS, MB_OK | MB_ICONWARNING);
        return;
    }
    // The copy takes the note as the user sees it, typed text not stored yet included.
    m_note.Commit();
    // Run as the window's dialog: a hand-over or a tray command meanwhile must not replace or lock
    // the database that the install is copying.
    InstallOnRemovableDialog dialog(CurrentDatabase::Get(), std::move(drives));
    m_host.RunDialog(dialog);
}

void ToolCommands::OnManageDatabases() {
    ManageDatabaseListDialog dialog(m_folders);
    m_host.RunDialog(dialog);
}

void ToolCommands::OnExport() {
    FrameHost::BusyScope busy(m_host);
    m_note.Commit();
    ExportDatabaseCommand(m_host.Frame());
}

// Export Item and Print Item act on the node the user pointed at, as Edit, Delete and Copy beside
// them in the same menu (the context menu of both panes) do: the list's focused row, else the
// tree's selection. The tree's selection alone would, for a row of the list, write its whole
// passcard or group: more secrets in a file that is not encrypted than the user chose.
void ToolCommands::OnExportItem() {
    FrameHost::BusyScope busy(m_host);
    m_note.Commit();
    ExportItemCommand(m_host.Frame(), [this] { return static_cast<const ModelNode*>(m_selection.ForAction()); });
}

void ToolCommands::OnPrint() {
    FrameHost::BusyScope busy(m_host);
    m_note.Commit();
    PrintCommand::Run(m_host.Frame(), nullptr);
}

void ToolCommands::OnPrintItem() {
    FrameHost::BusyScope busy(m_host);
    m_note.Commit();
    if (const ModelNode* node = m_selection.ForAction()) {
        PrintCommand::Run(m_host.Frame(), node);
    }
}

void ToolCommands::OnImport() {
    FrameHost::BusyScope busy(m_host);
    ImportCommand(m_host.Frame(), [this] { m_host.Rebuild(); });
}

void ToolCommands::OnGenerator() {
    PasswordGeneratorDialog dialog;
    m_host.RunDialog(dialog);
}

void ToolCommands::OnPasswordHealth() {
    const EncryptedDatabase* database = CurrentDatabase::Get();
    if (database == nullptr) {
        return;
    }
    PasswordHealthDialog dialog(*database);
    if (m_host.RunDialog(dialog) == IDOK && dialog.Selected() != nullptr) {
        // Found among the tree's items by identity, as a bookmark is.
        SendMessageA(m_host.Frame(), MSG_SELECT_NODE, 0, reinterpret_cast<LPARAM>(dialog.Selected()));
    }
}

void ToolCommands::OnFind() {
    const EncryptedDatabase* database = CurrentDatabase::Get();
    if (database == nullptr) {
        return;
    }
    // Notes are searched as the user sees them, typed text not stored yet included.
    m_note.Commit();
    FindDialog dialog(*database, m_findText);
    const INT_PTR result = m_host.RunDialog(dialog);
    m_findText = dialog.Text();
    if (result == IDOK && dialog.Selected() != nullptr) {
        // Found by identity among the tree's items and the database's fields, as a bookmark is.
        SendMessageA(m_host.Frame(), MSG_SELECT_NODE, 0, reinterpret_cast<LPARAM>(dialog.Selected()));
    }
}

void ToolCommands::OnAbout() {
    AboutDialog dialog;
    m_host.RunDialog(dialog);
}

void ToolCommands::OnCheckUpdates() {
    m_updates.StartReportedCheck(m_host.Frame());
}

void ToolCommands::OnUserGuide() {
    ShellOpen::Open(m_host.Frame(), node_editing::HelpFilePath(RegistryStore::ExecutablePath()));
}

void ToolCommands::OnHomePage() {
    ShellOpen::Open(m_host.Frame(), product_site::kHomePage);
}

void ToolCommands::OnReportBug() {
    ShellOpen::Open(m_host.Frame(), product_site::kBugReportPage);
}

} // namespace vaultlet
