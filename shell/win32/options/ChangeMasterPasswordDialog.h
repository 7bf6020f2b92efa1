#pragma once

#include "core/EncryptedDatabase.h"
#include "shell/win32/ui/CommandTable.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/ToolTip.h"
#include "shell/win32/ui/WindowIcons.h"

namespace vaultlet {

// "Change Master Password": asks for the current master password and the new one twice. OK checks,
// in order, that no field is empty, that the current password is right and that both new ones
// match; each failure says so and puts the focus back into the current password's field.
//
// Input: the open database. Output after OK: the database holds the new password, and the
// modified flag is raised when the database has a file. The file keeps the old password until it
// is saved.
class ChangeMasterPasswordDialog final : public Dialog {
public:
    explicit ChangeMasterPasswordDialog(EncryptedDatabase& database);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOk() override;
    void OnDestroy() override;

private:
    void SetUpButtons();
    void OnOldKeyboard();
    void OnNewKeyboard();
    void OnConfirmKeyboard();
    void OnGenerator();
    void Reject(int messageId);

    static const CommandTable<ChangeMasterPasswordDialog> kCommands;

    EncryptedDatabase& m_database;
    WindowIcons m_icons;
    ToolTip m_toolTip;
};

} // namespace vaultlet
