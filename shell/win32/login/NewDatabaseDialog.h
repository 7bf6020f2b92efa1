#pragma once

#include "core/SecureString.h"
#include "core/crypto/CipherRegistry.h"
#include "shell/win32/ui/CommandTable.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/ToolTip.h"
#include "shell/win32/ui/WindowIcons.h"

#include <string>

namespace vaultlet {

// Asks for the name, the master password (twice) and the cipher of a new database. OK checks, in
// order, that the name is not empty, that the password is not empty and that both passwords match;
// each failure says so and puts the focus into the field at fault.
//
// Input: the proposed name. Outputs after OK: the name, the password and the chosen cipher's id.
class NewDatabaseDialog final : public Dialog {
public:
    explicit NewDatabaseDialog(std::string proposedName);

    const std::string& Name() const noexcept { return m_name; }
    const SecureString& Password() const noexcept { return m_password; }
    int CipherId() const noexcept { return m_cipherId; }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOk() override;
    void OnDestroy() override;

private:
    void FillCiphers();
    void OnPasswordKeyboard();
    void OnConfirmKeyboard();
    void OnGenerator();
    // Shows the message, focuses the field and returns false.
    bool Reject(int messageId, int fieldId);

    static const CommandTable<NewDatabaseDialog> kCommands;

    std::string m_name;
    SecureString m_password;
    int m_cipherId = 0;
    CipherRegistry m_ciphers;
    WindowIcons m_icons;
    ToolTip m_toolTip;
};

} // namespace vaultlet
