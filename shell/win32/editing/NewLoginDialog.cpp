#include "shell/win32/editing/NewLoginDialog.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/NewLogin.h"
#include "shell/NoteText.h"
#include "shell/win32/editing/FieldButtons.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/MessageBoxes.h"

#include <array>

namespace vaultlet {
namespace {

// Every box whose text goes into the database, in the order the dialog shows them.
constexpr std::array kTextBoxes = {IDC_NEWLOGIN_NAME, IDC_NEWLOGIN_LOGIN, IDC_NEWLOGIN_PASSWORD, IDC_NEWLOGIN_URL,
                                   IDC_NEWLOGIN_NOTE};

} // namespace

const CommandTable<NewLoginDialog> NewLoginDialog::kCommands = {
    {IDC_NEWLOGIN_GENERATOR, &NewLoginDialog::OnGenerator},
    {IDC_NEWLOGIN_KEYBOARD, &NewLoginDialog::OnKeyboard},
    {IDC_NEWLOGIN_SHOW, &NewLoginDialog::OnShowPassword},
};

NewLoginDialog::NewLoginDialog() : Dialog(IDD_NEW_LOGIN) {}

bool NewLoginDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    SetWindowTextA(Handle(), language.getString(IDS_NEW_LOGIN_TITLE).c_str());
    language.translateWindow(Handle());
    HeaderBand::SetIcon(Item(IDC_NEWLOGIN_HEADER), m_icons.Large());
    m_toolTip.Create(Handle());
    FieldButtons::SetUpGeneratorButton(Handle(), IDC_NEWLOGIN_GENERATOR, m_toolTip);
    FieldButtons::SetUpKeyboardButton(Handle(), IDC_NEWLOGIN_KEYBOARD, m_toolTip);
    if (const LRESULT mask = SendMessageA(Item(IDC_NEWLOGIN_PASSWORD), EM_GETPASSWORDCHAR, 0, 0); mask != 0) {
        m_maskCharacter = static_cast<WPARAM>(mask);
    }
    FocusItem(IDC_NEWLOGIN_NAME);
    return false;
}

bool NewLoginDialog::OnCommand(int id, int code, HWND control) {
    return kCommands.Dispatch(*this, id, code) || Dialog::OnCommand(id, code, control);
}

void NewLoginDialog::OnGenerator() {
    FieldButtons::FillFromGenerator(Handle(), Item(IDC_NEWLOGIN_PASSWORD));
}

void NewLoginDialog::OnKeyboard() {
    FieldButtons::ToggleKeyboard(Item(IDC_NEWLOGIN_PASSWORD));
}

void NewLoginDialog::OnShowPassword() {
    const HWND password = Item(IDC_NEWLOGIN_PASSWORD);
    SendMessageA(password, EM_SETPASSWORDCHAR, IsChecked(IDC_NEWLOGIN_SHOW) ? 0 : m_maskCharacter, 0);
    InvalidateRect(password, nullptr, TRUE);
}

bool NewLoginDialog::BoxesAreExact() {
    for (const int box : kTextBoxes) {
        if (!ItemIsExactInCodePage(box)) {
            MessageBoxes::Error(Handle(), box == IDC_NEWLOGIN_PASSWORD ? IDS_PASSWORD_NOT_EXACT : IDS_TEXT_NOT_EXACT);
            FocusItem(box);
            return false;
        }
    }
    return true;
}

void NewLoginDialog::OnOk() {
    if (!BoxesAreExact()) {
        return;
    }
    new_login::Fields fields;
    fields.name = ItemText(IDC_NEWLOGIN_NAME);
    fields.login = ItemText(IDC_NEWLOGIN_LOGIN);
    fields.password = ItemSecret(IDC_NEWLOGIN_PASSWORD);
    fields.url = ItemText(IDC_NEWLOGIN_URL);
    // The edit control breaks lines with CR LF; the model keeps line feeds.
    fields.note = std::string(note_text::FromEdit(ItemText(IDC_NEWLOGIN_NOTE)).Viewed());
    m_passcard = new_login::Build(fields, LanguagePack::Instance().getString(IDS_NEW_PASSCARD));
    End(IDOK);
}

void NewLoginDialog::OnDestroy() {
    // The edit control frees its buffer without wiping it; overwrite the password first.
    ClearSecret(IDC_NEWLOGIN_PASSWORD);
}

} // namespace vaultlet
