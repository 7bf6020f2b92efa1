#pragma once

#include "core/EncryptedDatabase.h"
#include "shell/RemovableDrive.h"
#include "shell/RemovableInstall.h"
#include "shell/win32/ui/ComboBox.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/WindowIcons.h"

#include <vector>

namespace vaultlet {

// "Install on removable Media": a portable copy of the program and of the open database (see
// RemovableInstall) on a removable drive chosen from a list, in a folder the user types.
//
// Inputs: the open database (null: OK only closes) and the drives to offer (ListRemovableDrives),
// the first one selected. OK with a drive chosen installs and tells the user how it went, then
// closes; only when no temporary file could be made (nothing has happened yet) does it stay, so the
// user can try again or cancel. OK without a drive does nothing: the folder text alone would name a
// folder of whatever the program's current folder is.
class InstallOnRemovableDialog final : public Dialog {
public:
    InstallOnRemovableDialog(EncryptedDatabase* database, std::vector<RemovableDrive> drives);

protected:
    bool OnInit() override;
    void OnOk() override;

private:
    void Report(RemovableInstall::Outcome outcome, unsigned long error, const std::string& root,
                const std::string& folder) const;

    EncryptedDatabase* m_database;
    std::vector<RemovableDrive> m_drives;
    ComboBox m_driveList;
    WindowIcons m_icons;
};

} // namespace vaultlet
