#include "shell/win32/editing/FieldDialog.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/win32/editing/FieldButtons.h"
#include "shell/win32/editing/IconPickerDialog.h"
#include "shell/win32/ui/ComboBox.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/SharedIcons.h"
#include "shell/win32/ui/WindowDpi.h"

#include <commctrl.h>

namespace vaultlet {
namespace {

constexpr WPARAM kMaskCharacter = '*';

} // namespace

const CommandTable<FieldDialog> FieldDialog::kCommands = {
    {IDC_FIELD_TYPE, &FieldDialog::OnTypeChanged, CBN_SELCHANGE},
    {IDC_FIELD_HIDDEN, &FieldDialog::OnHiddenClicked},
    {IDC_FIELD_IMAGE, &FieldDialog::OnImage},
    {IDC_FIELD_GENERATOR, &FieldDialog::OnGenerator},
    {IDC_FIELD_KEYBOARD, &FieldDialog::OnKeyboard},
};

FieldDialog::FieldDialog(vaultlet::Item& item, bool isNew)
    : Dialog(IDD_EDIT_FIELD), m_item(item), m_editor(item, isNew) {}

bool FieldDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    SetWindowTextA(Handle(), language.getString(IDS_TITLE_PASSCARD_FIELD).c_str());
    language.translateWindow(Handle());
    HeaderBand::SetIcon(Item(IDC_FIELD_HEADER), m_icons.Large());
    FillTypes();
    SetUpButtons();
    SetItemSecret(IDC_FIELD_DATA, m_item.Value().Viewed());
    ShowEditorState();
    FocusItem(IDC_FIELD_DATA);
    return false;
}

void FieldDialog::FillTypes() const {
    const ComboBox types(Item(IDC_FIELD_TYPE));
    for (const FieldEditor::TypeRow& row : m_editor.Types()) {
        types.Add(FieldEditor::LabelOf(row));
    }
    types.Select(m_editor.SelectedRow());
    // A type the list does not offer is the item's own; changing it would lose what it means.
    EnableItem(IDC_FIELD_TYPE, !m_editor.TypeIsFixed());
}

void FieldDialog::SetUpButtons() {
    m_toolTip.Create(Handle());
    m_toolTip.Add(Item(IDC_FIELD_IMAGE), LanguagePack::Instance().getString(IDS_TIP_IMAGE));
    FieldButtons::SetUpGeneratorButton(Handle(), IDC_FIELD_GENERATOR, m_toolTip);
    FieldButtons::SetUpKeyboardButton(Handle(), IDC_FIELD_KEYBOARD, m_toolTip);
}

void FieldDialog::ShowEditorState() {
    const FieldEditor::Shown& shown = m_editor.Current();
    SetItemText(IDC_FIELD_NAME, shown.name);
    SendMessageA(Item(IDC_FIELD_NAME), EM_SETREADONLY, m_editor.NameIsEditable() ? FALSE : TRUE, 0);
    SetChecked(IDC_FIELD_HIDDEN, shown.hidden);
    ShowHidden(shown.hidden);
    SetItemText(IDC_FIELD_META_LABEL, LanguagePack::Instance().getString(m_editor.MetaLabelId()));
    SetItemText(IDC_FIELD_META, shown.meta);
    EnableItem(IDC_FIELD_GENERATOR, m_editor.GeneratorIsEnabled());
    ShowImage();
}

void FieldDialog::ShowImage() {
    const int image = m_editor.Current().image;
    m_image.Reset(image >= 0 ? ImageList_GetIcon(SharedIcons::Get(WindowDpi::Of(Handle())), image, ILD_NORMAL)
                             : nullptr);
    SendMessageA(Item(IDC_FIELD_IMAGE), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_image.Get()));
}

void FieldDialog::ShowHidden(bool hidden) const {
    const HWND data = Item(IDC_FIELD_DATA);
    SendMessageA(data, EM_SETPASSWORDCHAR, hidden ? kMaskCharacter : 0, 0);
    InvalidateRect(data, nullptr, TRUE);
}

void FieldDialog::TakeControls() {
    m_editor.Update(ItemText(IDC_FIELD_NAME), IsChecked(IDC_FIELD_HIDDEN), ItemText(IDC_FIELD_META));
}

bool FieldDialog::OnCommand(int id, int code, HWND control) {
    return kCommands.Dispatch(*this, id, code) || Dialog::OnCommand(id, code, control);
}

void FieldDialog::OnTypeChanged() {
    const int row = ComboBox(Item(IDC_FIELD_TYPE)).Selection();
    if (row < 0 || row >= static_cast<int>(m_editor.Types().size())) {
        return;
    }
    TakeControls();
    m_editor.ChooseType(m_editor.Types()[static_cast<std::size_t>(row)].type);
    ShowEditorState();
}

void FieldDialog::OnHiddenClicked() {
    ShowHidden(IsChecked(IDC_FIELD_HIDDEN));
}

void FieldDialog::OnImage() {
    IconPickerDialog picker(m_editor.Current().image);
    if (picker.RunModal(Handle()) == IDOK) {
        m_editor.SetImage(picker.Image());
        ShowImage();
    }
}

void FieldDialog::OnGenerator() {
    FieldButtons::FillFromGenerator(Handle(), Item(IDC_FIELD_DATA));
}

void FieldDialog::OnKeyboard() {
    FieldButtons::ToggleKeyboard(Item(IDC_FIELD_DATA));
}

void FieldDialog::OnOk() {
    // A password stored changed would lock the user out of the site it is for.
    if (!CheckExactText({IDC_FIELD_NAME, IDC_FIELD_DATA, IDC_FIELD_META})) {
        return;
    }
    TakeControls();
    m_editor.WriteTo(m_item, ItemSecret(IDC_FIELD_DATA).Viewed());
    End(IDOK);
}

void FieldDialog::OnDestroy() {
    // The edit control frees its buffer without wiping it; overwrite the value first.
    ClearSecret(IDC_FIELD_DATA);
}

} // namespace vaultlet
