#pragma once

#include "core/Passcard.h"
#include "shell/win32/editing/ExpirationPickers.h"
#include "shell/win32/ui/CommandTable.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/ToolTip.h"
#include "shell/win32/ui/WindowIcons.h"

#include <cstdint>

namespace vaultlet {

// "Edit Passcard": the passcard's name, its expiration (date and time pickers with a menu of spans)
// and its auto-fill flag and template, with pop-ups that insert special keys and item names.
//
// Input: the passcard to edit; for "Add", a new passcard that the caller owns and destroys on
// Cancel (its items feed the item pop-up). Output: on OK the name, template, auto-fill flag and
// expiration are written to the passcard (each setter raises the modified flag only on a change);
// an expiration the user did not touch stays exactly as stored. Cancel writes nothing. RunModal
// returns IDOK or IDCANCEL.
class PasscardDialog final : public Dialog {
public:
    explicit PasscardDialog(Passcard& passcard);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnOk() override;

private:
    void SetUpExpiration();
    void SetUpButtons();
    void UpdateEnabled() const;
    void OnExpirationTicked();
    void OnAutofillTicked();
    void OnExpirationMenu();
    void OnSpecialKeys();
    void OnItems();
    void ShowPopupBelow(int buttonId, HMENU menu) const;
    void InsertIntoTemplate(std::string_view text) const;
    bool OnPopupCommand(int id);
    std::uint64_t ExpirationToStore() const;

    static const CommandTable<PasscardDialog> kCommands;

    Passcard& m_passcard;
    ExpirationPickers m_pickers;
    // The local moment shown when the dialog opened.
    std::uint64_t m_openedAt = 0;
    // Set by the check box, the pickers and the menu: until then OK keeps the stored expiration.
    bool m_expirationTouched = false;
    WindowIcons m_icons;
    ToolTip m_toolTip;
};

} // namespace vaultlet
