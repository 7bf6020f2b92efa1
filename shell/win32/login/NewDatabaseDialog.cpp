#include "shell/win32/login/NewDatabaseDialog.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/win32/editing/FieldButtons.h"
#include "shell/win32/ui/ComboBox.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/MessageBoxes.h"

namespace vaultlet {
namespace {

// The header of a database file holds at most 255 characters of its name.
constexpr WPARAM kMaxNameLength = 255;

} // namespace

const CommandTable<NewDatabaseDialog> NewDatabaseDialog::kCommands = {
    {IDC_NEWDB_PASSWORD_KEYBOARD, &NewDatabaseDialog::OnPasswordKeyboard},
    {IDC_NEWDB_CONFIRM_KEYBOARD, &NewDatabaseDialog::OnConfirmKeyboard},
    {IDC_NEWDB_GENERATOR, &NewDatabaseDialog::OnGenerator},
};

NewDatabaseDialog::NewDatabaseDialog(std::string proposedName)
    : Dialog(IDD_NEW_DATABASE), m_name(std::move(proposedName)) {}

bool NewDatabaseDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    SetWindowTextA(Handle(), language.getString(IDS_TITLE_NEW_DATABASE).c_str());
    language.translateWindow(Handle());
    HeaderBand::SetIcon(Item(IDC_NEWDB_HEADER), m_icons.Large());
    SendMessageA(Item(IDC_NEWDB_NAME), EM_LIMITTEXT, kMaxNameLength, 0);
    SetItemText(IDC_NEWDB_NAME, m_name);
    FillCiphers();

    m_toolTip.Create(Handle());
    FieldButtons::SetUpKeyboardButton(Handle(), IDC_NEWDB_PASSWORD_KEYBOARD, m_toolTip);
    FieldButtons::SetUpKeyboardButton(Handle(), IDC_NEWDB_CONFIRM_KEYBOARD, m_toolTip);
    FieldButtons::SetUpGeneratorButton(Handle(), IDC_NEWDB_GENERATOR, m_toolTip);
    FocusItem(IDC_NEWDB_PASSWORD);
    return false;
}

bool NewDatabaseDialog::OnCommand(int id, int code, HWND control) {
    return kCommands.Dispatch(*this, id, code) || Dialog::OnCommand(id, code, control);
}

void NewDatabaseDialog::OnPasswordKeyboard() {
    FieldButtons::ToggleKeyboard(Item(IDC_NEWDB_PASSWORD));
}

void NewDatabaseDialog::OnConfirmKeyboard() {
    FieldButtons::ToggleKeyboard(Item(IDC_NEWDB_CONFIRM));
}

void NewDatabaseDialog::OnGenerator() {
    FieldButtons::FillFromGenerator(Handle(), Item(IDC_NEWDB_PASSWORD));
}

void NewDatabaseDialog::OnDestroy() {
    // Edit controls free their text without wiping it.
    ClearSecret(IDC_NEWDB_PASSWORD);
    ClearSecret(IDC_NEWDB_CONFIRM);
}

void NewDatabaseDialog::FillCiphers() {
    const ComboBox ciphers(Item(IDC_NEWDB_CIPHER));
    for (int i = 0; i < m_ciphers.Count(); ++i) {
        ciphers.Add(m_ciphers.At(i)->Name());
    }
    ciphers.Select(0);
}

bool NewDatabaseDialog::Reject(int messageId, int fieldId) {
    MessageBoxes::Error(Handle(), messageId);
    FocusItem(fieldId);
    return false;
}

void NewDatabaseDialog::OnOk() {
    std::string name = ItemText(IDC_NEWDB_NAME);
    if (name.empty()) {
        Reject(IDS_INVALID_DATABASE_NAME, IDC_NEWDB_NAME);
        return;
    }
    if (!CheckExactText({IDC_NEWDB_NAME})) {
        return;
    }
    SecureString password = ItemSecret(IDC_NEWDB_PASSWORD);
    if (password.empty()) {
        Reject(IDS_INVALID_PASSWORD, IDC_NEWDB_PASSWORD);
        return;
    }
    if (!ItemIsExactInCodePage(IDC_NEWDB_PASSWORD)) {
        Reject(IDS_PASSWORD_NOT_EXACT, IDC_NEWDB_PASSWORD);
        return;
    }
    if (!(ItemSecret(IDC_NEWDB_CONFIRM) == password)) {
        Reject(IDS_PASSWORDS_DIFFER, IDC_NEWDB_CONFIRM);
        return;
    }
    const Cipher* cipher = m_ciphers.At(ComboBox(Item(IDC_NEWDB_CIPHER)).Selection());
    m_cipherId = cipher != nullptr ? cipher->Id() : m_ciphers.At(0)->Id();
    m_name = std::move(name);
    m_password = std::move(password);
    End(IDOK);
}

} // namespace vaultlet
