#pragma once

#include "core/Passcard.h"
#include "shell/win32/ui/CommandTable.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/ToolTip.h"
#include "shell/win32/ui/WindowIcons.h"

#include <memory>

namespace vaultlet {

// "New Login": a website login in one step: the passcard's name, the login, the password (masked,
// with the generator and virtual-keyboard buttons and a box that shows it), the address and a note.
// OK makes the passcard with its Login, Password and URL fields (new_login::Build). A box holding
// characters the system's code page cannot keep exactly is refused first, with the focus put on it:
// stored, they would come back as other characters.
//
// Output: after OK, Take() hands over the new passcard, in no group yet; Cancel makes nothing.
// RunModal returns IDOK or IDCANCEL.
class NewLoginDialog final : public Dialog {
public:
    NewLoginDialog();

    std::unique_ptr<Passcard> Take() noexcept { return std::move(m_passcard); }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOk() override;
    void OnDestroy() override;

private:
    bool BoxesAreExact();
    void OnGenerator();
    void OnKeyboard();
    void OnShowPassword();

    static const CommandTable<NewLoginDialog> kCommands;

    std::unique_ptr<Passcard> m_passcard;
    WindowIcons m_icons;
    ToolTip m_toolTip;
    // The character the password box masks with, put back when the password is hidden again.
    WPARAM m_maskCharacter = '*';
};

} // namespace vaultlet
