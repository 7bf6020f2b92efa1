#include "shell/win32/options/InstallOnRemovableDialog.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/RegistryStore.h"
#include "shell/TextFormat.h"
#include "shell/win32/options/Win32InstallSystem.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/MessageBoxes.h"

#include <string>

namespace vaultlet {

InstallOnRemovableDialog::InstallOnRemovableDialog(EncryptedDatabase* database, std::vector<RemovableDrive> drives)
    : Dialog(IDD_INSTALL_REMOVABLE), m_database(database), m_drives(std::move(drives)) {}

bool InstallOnRemovableDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    SetWindowTextA(Handle(), language.getString(IDS_TITLE_INSTALL_REMOVABLE).c_str());
    language.translateWindow(Handle());
    // From the string table, so a language file that lacks the band still gets the built-in text.
    SetItemText(IDC_INSTALL_HEADER, language.getString(IDS_HEADER_INSTALL_REMOVABLE));
    HeaderBand::SetIcon(Item(IDC_INSTALL_HEADER), m_icons.Large());
    m_driveList = ComboBox(Item(IDC_INSTALL_DRIVE));
    for (const RemovableDrive& drive : m_drives) {
        m_driveList.Add(drive.text);
    }
    if (!m_drives.empty()) {
        m_driveList.Select(0);
    }
    SetItemText(IDC_INSTALL_FOLDER, RemovableInstall::kDefaultFolder);
    return true;
}

void InstallOnRemovableDialog::OnOk() {
    if (m_database == nullptr) {
        End(IDOK);
        return;
    }
    const int chosen = m_driveList.Selection();
    if (chosen < 0 || chosen >= static_cast<int>(m_drives.size())) {
        return;
    }
    const std::string& root = m_drives[static_cast<std::size_t>(chosen)].root;
    const std::string folder = ItemText(IDC_INSTALL_FOLDER);
    const std::string title = LanguagePack::Instance().getString(IDS_TITLE_INSTALL_REMOVABLE);
    Win32InstallSystem system(Handle(), title + "...");
    RemovableInstall install(system, RegistryStore::ExecutablePath());
    const RemovableInstall::Outcome outcome = install.Run(m_database, RemovableInstall::TargetFolder(root, folder));
    Report(outcome, install.SystemError(), root, folder);
    if (outcome != RemovableInstall::Outcome::TempFileFailed) {
        End(IDOK);
    }
}

void InstallOnRemovableDialog::Report(RemovableInstall::Outcome outcome, unsigned long error, const std::string& root,
                                      const std::string& folder) const {
    const LanguagePack& language = LanguagePack::Instance();
    switch (outcome) {
    case RemovableInstall::Outcome::Installed:
        MessageBoxes::Show(Handle(), FormatText(language.getString(IDS_INSTALL_SUCCEEDED), {root, folder}),
                           MB_OK | MB_ICONINFORMATION);
        break;
    case RemovableInstall::Outcome::TempFileFailed:
    case RemovableInstall::Outcome::SaveFailed:
        MessageBoxes::Show(Handle(),
                           FormatText(language.getString(IDS_INSTALL_STEP_FAILED),
                                      {language.getString(IDS_INSTALL_DATABASE_STEP), std::to_string(error),
                                       Win32InstallSystem::ErrorText(error)}),
                           MB_OK | MB_ICONSTOP);
        break;
    case RemovableInstall::Outcome::CopyFailed:
    case RemovableInstall::Outcome::SettingsFailed:
        MessageBoxes::Show(
            Handle(),
            FormatText(language.getString(IDS_INSTALL_INCOMPLETE), {RemovableInstall::TargetFolder(root, folder)}),
            MB_OK | MB_ICONSTOP);
        break;
    case RemovableInstall::Outcome::NoDatabase:
        break;
    }
}

} // namespace vaultlet
