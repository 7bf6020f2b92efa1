#pragma once

#include "core/SecureString.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/WindowIcons.h"

namespace vaultlet {

// Asks for the master password of another copy of the open database: the file another copy of the
// program saved with a password of its own, to merge it.
//
// No input. Output: after OK, TakePassword() gives what was typed (which may be empty); the field is
// emptied on either button. RunModal returns IDOK or IDCANCEL.
class OtherCopyPasswordDialog final : public Dialog {
public:
    OtherCopyPasswordDialog();

    SecureString TakePassword() noexcept { return std::move(m_password); }

protected:
    bool OnInit() override;
    void OnOk() override;
    void OnCancel() override;

private:
    SecureString m_password;
    WindowIcons m_icons;
};

} // namespace vaultlet
