#include "shell/win32/options/ChangeMasterPasswordDialog.h"

#include "core/ModifiedFlag.h"
#include "core/SecureString.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/win32/editing/FieldButtons.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/MessageBoxes.h"

namespace vaultlet {

const CommandTable<ChangeMasterPasswordDialog> ChangeMasterPasswordDialog::kCommands = {
    {IDC_CHANGEPW_OLD_KEYBOARD, &ChangeMasterPasswordDialog::OnOldKeyboard},
    {IDC_CHANGEPW_NEW_KEYBOARD, &ChangeMasterPasswordDialog::OnNewKeyboard},
    {IDC_CHANGEPW_CONFIRM_KEYBOARD, &ChangeMasterPasswordDialog::OnConfirmKeyboard},
    {IDC_CHANGEPW_GENERATOR, &ChangeMasterPasswordDialog::OnGenerator},
};

ChangeMasterPasswordDialog::ChangeMasterPasswordDialog(EncryptedDatabase& database)
    : Dialog(IDD_CHANGE_MASTER_PASSWORD), m_database(database) {}

bool ChangeMasterPasswordDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    SetWindowTextA(Handle(), language.getString(IDS_TITLE_CHANGE_MASTER_PASSWORD).c_str());
    language.translateWindow(Handle());
    // From the string table, so a language file that lacks the band still gets the built-in text.
    SetItemText(IDC_CHANGEPW_HEADER, language.getString(IDS_HEADER_CHANGE_MASTER_PASSWORD));
    HeaderBand::SetIcon(Item(IDC_CHANGEPW_HEADER), m_icons.Large());
    SetUpButtons();
    FocusItem(IDC_CHANGEPW_OLD);
    return false;
}

void ChangeMasterPasswordDialog::SetUpButtons() {
    m_toolTip.Create(Handle());
    FieldButtons::SetUpKeyboardButton(Handle(), IDC_CHANGEPW_OLD_KEYBOARD, m_toolTip);
    FieldButtons::SetUpKeyboardButton(Handle(), IDC_CHANGEPW_NEW_KEYBOARD, m_toolTip);
    FieldButtons::SetUpGeneratorButton(Handle(), IDC_CHANGEPW_GENERATOR, m_toolTip);
    FieldButtons::SetUpKeyboardButton(Handle(), IDC_CHANGEPW_CONFIRM_KEYBOARD, m_toolTip);
}

bool ChangeMasterPasswordDialog::OnCommand(int id, int code, HWND control) {
    return kCommands.Dispatch(*this, id, code) || Dialog::OnCommand(id, code, control);
}

void ChangeMasterPasswordDialog::OnOldKeyboard() {
    FieldButtons::ToggleKeyboard(Item(IDC_CHANGEPW_OLD));
}

void ChangeMasterPasswordDialog::OnNewKeyboard() {
    FieldButtons::ToggleKeyboard(Item(IDC_CHANGEPW_NEW));
}

void ChangeMasterPasswordDialog::OnConfirmKeyboard() {
    FieldButtons::ToggleKeyboard(Item(IDC_CHANGEPW_CONFIRM));
}

void ChangeMasterPasswordDialog::OnGenerator() {
    // Only the new password: the confirmation is the user's to type.
    FieldButtons::FillFromGenerator(Handle(), Item(IDC_CHANGEPW_NEW));
}

void ChangeMasterPasswordDialog::Reject(int messageId) {
    MessageBoxes::Error(Handle(), messageId);
    FocusItem(IDC_CHANGEPW_OLD);
}

void ChangeMasterPasswordDialog::OnOk() {
    const SecureString oldPassword = ItemSecret(IDC_CHANGEPW_OLD);
    const SecureString newPassword = ItemSecret(IDC_CHANGEPW_NEW);
    const SecureString confirmation = ItemSecret(IDC_CHANGEPW_CONFIRM);
    if (oldPassword.empty() || newPassword.empty() || confirmation.empty()) {
        Reject(IDS_INVALID_PASSWORD);
        return;
    }
    if (!m_database.CheckPassword(oldPassword.Viewed())) {
        // As at the login: a wrong password is not left in the box to be retried by accident.
        ClearSecret(IDC_CHANGEPW_OLD);
        Reject(IDS_INVALID_PASSWORD);
        return;
    }
    if (!(confirmation == newPassword)) {
        Reject(IDS_PASSWORDS_DIFFER);
        return;
    }
    if (!ItemIsExactInCodePage(IDC_CHANGEPW_NEW)) {
        Reject(IDS_PASSWORD_NOT_EXACT);
        return;
    }
    m_database.SetPassword(newPassword.Viewed());
    // A database that was never saved has no file to bring up to date.
    if (!m_database.Path().empty()) {
        ModifiedFlag::Raise();
    }
    End(IDOK);
}

void ChangeMasterPasswordDialog::OnDestroy() {
    // The edit controls free their buffers without wiping them; overwrite the passwords first.
    ClearSecret(IDC_CHANGEPW_OLD);
    ClearSecret(IDC_CHANGEPW_NEW);
    ClearSecret(IDC_CHANGEPW_CONFIRM);
}

} // namespace vaultlet
