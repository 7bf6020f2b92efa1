#pragma once

#include "core/SecureString.h"
#include "shell/PasswordGeneratorSettings.h"
#include "shell/win32/system/SecretClipboard.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/ScopedHandles.h"

#include <windows.h>

#include <memory>
#include <string_view>

namespace vaultlet {

// "Password Generator": makes a random password from a character class, a letter case and two
// exclusion rules, shows it with its spelling in words, and can copy it to the clipboard, where it
// is cleared as every copied secret is (the program's ClipboardKeeper; before the main window
// exists a countdown of the dialog's own, which clears the copy at the latest when the dialog
// closes). The options are read from the settings when it opens and stored when it closes, by OK or
// Cancel.
//
// Input: an optional source box (another dialog's edit); when it holds text, that text is shown
// instead of a fresh password until "Generate!" is pressed.
// Output: Result(), the password box's text at the moment OK was pressed.
class PasswordGeneratorDialog : public Dialog {
public:
    explicit PasswordGeneratorDialog(HWND sourceEdit = nullptr);

    const SecureString& Result() const noexcept { return m_result; }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOk() override;
    void OnDestroy() override;
    void OnCancel() override;
    void OnTimer(UINT_PTR timerId) override;

private:
    void SetIcons();
    void ShowSettings(const PasswordGeneratorSettings& settings);
    PasswordGeneratorSettings ReadSettings() const;
    void Generate();
    void CopyPassword();
    void UpdateCaseRadios();
    void ShowPassword(std::string_view password);

    HWND m_source;
    SecureString m_result;
    std::unique_ptr<SecretClipboard> m_clipboard;
    UniqueIcon m_bigIcon;
    UniqueIcon m_smallIcon;
};

// Runs the generator with the edit as its source box and, on OK, writes the password into the
// edit. True on OK.
bool RunPasswordGenerator(HWND owner, HWND targetEdit);

} // namespace vaultlet
