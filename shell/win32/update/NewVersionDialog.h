#pragma once

#include "services/UpdateOffer.h"
#include "shell/win32/ui/CommandTable.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/WindowIcons.h"

namespace vaultlet {

// Announces a newer version: which one, its change log, and a check box for looking again at the
// next start, ticked whenever the dialog opens.
//
// Input: the offer an update check found. Output: the setting "CheckUpdatesOnStart", written from
// the check box however the dialog ends. Download opens the offer's address through ShellOpen,
// checked once more first: only a web address is ever opened.
class NewVersionDialog final : public Dialog {
public:
    explicit NewVersionDialog(UpdateOffer offer);

    // Shows the newest offer of UpdateResultSlot::Instance() modally. Does nothing when there is
    // none or when such a dialog is open already (a second check finding the same version).
    static void ShowLatest(HWND owner);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOk() override;
    void OnCancel() override;

private:
    void OnDownload();
    void OnClose();
    void StoreCheckOnStart() const;

    static const CommandTable<NewVersionDialog> kCommands;

    UpdateOffer m_offer;
    WindowIcons m_icons;
};

} // namespace vaultlet
