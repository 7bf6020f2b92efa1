#include "shell/win32/editing/PasscardDialog.h"

#include "autofill/SpecialKeyTable.h"
#include "core/Clock.h"
#include "core/Item.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/ExpirationMenu.h"
#include "shell/NoteText.h"
#include "shell/win32/editing/FieldButtons.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/ScopedHandles.h"

#include <commctrl.h>

#include <string>

namespace vaultlet {
namespace {

// A menu shows "&" as the mark of the next letter; names keep theirs by doubling it.
std::string MenuText(std::string_view name) {
    std::string text;
    for (const char c : name) {
        text += c;
        if (c == '&') {
            text += '&';
        }
    }
    return text;
}

std::uint64_t LocalNow() {
    return ExpirationPickers::ToLocal(Clock::NowFileTime()).value_or(0);
}

} // namespace

const CommandTable<PasscardDialog> PasscardDialog::kCommands = {
    {IDC_PASSCARD_EXPIRATION, &PasscardDialog::OnExpirationTicked},
    {IDC_PASSCARD_USE_AUTOFILL, &PasscardDialog::OnAutofillTicked},
    {IDC_PASSCARD_EXPIRATION_MENU, &PasscardDialog::OnExpirationMenu},
    {IDC_PASSCARD_SPECIAL_KEYS, &PasscardDialog::OnSpecialKeys},
    {IDC_PASSCARD_ITEMS, &PasscardDialog::OnItems},
};

PasscardDialog::PasscardDialog(Passcard& passcard) : Dialog(IDD_EDIT_PASSCARD), m_passcard(passcard) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
}

bool PasscardDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    SetWindowTextA(Handle(), language.getString(IDS_TITLE_EDIT_PASSCARD).c_str());
    language.translateWindow(Handle());
    HeaderBand::SetIcon(Item(IDC_PASSCARD_HEADER), m_icons.Large());
    SetItemText(IDC_PASSCARD_NAME, m_passcard.Name().Viewed());
    SetUpExpiration();
    SetChecked(IDC_PASSCARD_USE_AUTOFILL, m_passcard.UseAutofill());
    SetItemText(IDC_PASSCARD_TEMPLATE, note_text::ToEdit(m_passcard.AutofillString()).Viewed());
    SetUpButtons();
    UpdateEnabled();
    FocusItem(IDC_PASSCARD_NAME);
    return false;
}

void PasscardDialog::SetUpExpiration() {
    m_pickers = ExpirationPickers(Item(IDC_PASSCARD_DATE), Item(IDC_PASSCARD_TIME));
    m_openedAt = LocalNow();
    const std::uint64_t stored = m_passcard.Expiration();
    SetChecked(IDC_PASSCARD_EXPIRATION, stored != 0);
    const std::optional<std::uint64_t> local = stored != 0 ? ExpirationPickers::ToLocal(stored) : std::nullopt;
    m_pickers.Show(local.value_or(m_openedAt));
}

void PasscardDialog::SetUpButtons() {
    m_toolTip.Create(Handle());
    FieldButtons::SetUpPictureButton(Handle(), IDC_PASSCARD_EXPIRATION_MENU, IDI_NODE_CLOCK, IDS_TIP_EXPIRATION_DATE,
                                     m_toolTip);
    FieldButtons::SetUpPictureButton(Handle(), IDC_PASSCARD_SPECIAL_KEYS, IDI_KEYBOARD_BUTTON, IDS_TIP_SPECIAL_KEYS,
                                     m_toolTip);
    FieldButtons::SetUpPictureButton(Handle(), IDC_PASSCARD_ITEMS, IDI_NODE_PASSCARD, IDS_TIP_PASSCARD_ITEMS,
                                     m_toolTip);
}

void PasscardDialog::UpdateEnabled() const {
    const bool expires = IsChecked(IDC_PASSCARD_EXPIRATION);
    m_pickers.Enable(expires);
    EnableItem(IDC_PASSCARD_EXPIRATION_MENU, expires);
    const bool autofill = IsChecked(IDC_PASSCARD_USE_AUTOFILL);
    EnableItem(IDC_PASSCARD_TEMPLATE, autofill);
    EnableItem(IDC_PASSCARD_SPECIAL_KEYS, autofill);
    EnableItem(IDC_PASSCARD_ITEMS, autofill);
}

bool PasscardDialog::OnCommand(int id, int code, HWND control) {
    return kCommands.Dispatch(*this, id, code) || OnPopupCommand(id) || Dialog::OnCommand(id, code, control);
}

bool PasscardDialog::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.code == DTN_DATETIMECHANGE &&
        (header.idFrom == IDC_PASSCARD_DATE || header.idFrom == IDC_PASSCARD_TIME)) {
        m_expirationTouched = true;
        result = 0;
        return true;
    }
    return Dialog::OnNotify(header, result);
}

void PasscardDialog::OnExpirationTicked() {
    m_expirationTouched = true;
    UpdateEnabled();
}

void PasscardDialog::OnAutofillTicked() {
    UpdateEnabled();
}

void PasscardDialog::ShowPopupBelow(int buttonId, HMENU menu) const {
    RECT button{};
    GetWindowRect(Item(buttonId), &button);
    // The choice comes back as a WM_COMMAND, like any other command of the dialog.
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, button.left, button.bottom, 0, Handle(), nullptr);
}

void PasscardDialog::OnExpirationMenu() {
    const UniqueMenu menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_EXPIRATION_MENU)));
    if (!menu) {
        return;
    }
    LanguagePack::Instance().translateMenu(menu.Get(), IDR_EXPIRATION_MENU);
    ShowPopupBelow(IDC_PASSCARD_EXPIRATION_MENU, GetSubMenu(menu.Get(), 0));
}

void PasscardDialog::OnSpecialKeys() {
    const UniqueMenu menu(CreatePopupMenu());
    int id = ID_TEMPLATE_SPECIAL_KEY_FIRST;
    for (const SpecialKey& key : SpecialKeys()) {
        AppendMenuA(menu.Get(), MF_STRING, static_cast<UINT_PTR>(id++), key.name);
    }
    ShowPopupBelow(IDC_PASSCARD_SPECIAL_KEYS, menu.Get());
}

void PasscardDialog::OnItems() {
    const UniqueMenu menu(CreatePopupMenu());
    for (std::size_t i = 0; i < m_passcard.Count() && ID_TEMPLATE_ITEM_FIRST + i <= ID_TEMPLATE_ITEM_LAST; ++i) {
        const std::string text = MenuText(m_passcard.At(i)->Name().Viewed());
        AppendMenuA(menu.Get(), MF_STRING, ID_TEMPLATE_ITEM_FIRST + i, text.c_str());
    }
    if (GetMenuItemCount(menu.Get()) > 0) {
        ShowPopupBelow(IDC_PASSCARD_ITEMS, menu.Get());
    }
}

bool PasscardDialog::OnPopupCommand(int id) {
    if (expiration_menu::IsCommand(id)) {
        m_pickers.Show(expiration_menu::MomentAfter(id, m_pickers.Shown(), LocalNow()));
        m_expirationTouched = true;
        return true;
    }
    const std::size_t keyCount = SpecialKeys().size();
    if (id >= ID_TEMPLATE_SPECIAL_KEY_FIRST && id < ID_TEMPLATE_SPECIAL_KEY_FIRST + static_cast<int>(keyCount)) {
        InsertIntoTemplate(SpecialKeys()[static_cast<std::size_t>(id - ID_TEMPLATE_SPECIAL_KEY_FIRST)].name);
        return true;
    }
    const std::size_t item = static_cast<std::size_t>(id - ID_TEMPLATE_ITEM_FIRST);
    if (id >= ID_TEMPLATE_ITEM_FIRST && id <= ID_TEMPLATE_ITEM_LAST && item < m_passcard.Count()) {
        InsertIntoTemplate("<" + std::string(m_passcard.At(item)->Name().Viewed()) + ">");
        return true;
    }
    return false;
}

void PasscardDialog::InsertIntoTemplate(std::string_view text) const {
    const HWND box = Item(IDC_PASSCARD_TEMPLATE);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    // Focusing a dialog's edit selects all of it; the caret goes back to where the text goes.
    FocusItem(IDC_PASSCARD_TEMPLATE);
    SendMessageA(box, EM_SETSEL, start, end);
    const std::string inserted(text);
    SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(inserted.c_str()));
}

std::uint64_t PasscardDialog::ExpirationToStore() const {
    // An edit that never came near the expiration keeps it to the last unit, even a value the
    // pickers cannot show or a fraction of a second they drop.
    if (!m_expirationTouched) {
        return m_passcard.Expiration();
    }
    if (!IsChecked(IDC_PASSCARD_EXPIRATION)) {
        return 0;
    }
    return ExpirationPickers::ToUtc(m_pickers.Shown()).value_or(m_passcard.Expiration());
}

void PasscardDialog::OnOk() {
    // The template is typed into other windows as it is stored: a "?" there would be typed too.
    if (!CheckExactText({IDC_PASSCARD_NAME, IDC_PASSCARD_TEMPLATE})) {
        return;
    }
    m_passcard.SetName(ItemText(IDC_PASSCARD_NAME));
    const SecureString edited = note_text::FromEdit(ItemSecret(IDC_PASSCARD_TEMPLATE).Viewed());
    // Unchanged, the default template stays implied rather than stored.
    if (edited.Viewed() != m_passcard.AutofillString()) {
        m_passcard.SetAutofillString(edited.Viewed());
    }
    m_passcard.SetUseAutofill(IsChecked(IDC_PASSCARD_USE_AUTOFILL));
    m_passcard.SetExpiration(ExpirationToStore());
    End(IDOK);
}

} // namespace vaultlet
