#include "shell/win32/editing/IconPickerDialog.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/win32/ui/SharedIcons.h"
#include "shell/win32/ui/WindowDpi.h"

#include <commctrl.h>

#include <string>

namespace vaultlet {
namespace {

// The icons are small; the list's default spacing is made for 32-pixel ones. At 96 DPI.
constexpr int kIconSpacing = 44;

} // namespace

IconPickerDialog::IconPickerDialog(int currentImage) : Dialog(IDD_SELECT_ICON), m_image(currentImage) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
}

bool IconPickerDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    SetWindowTextA(Handle(), language.getString(IDS_TITLE_SELECT_ICON).c_str());
    language.translateWindow(Handle());
    FillList();
    FocusItem(IDC_ICON_LIST);
    return false;
}

void IconPickerDialog::FillList() const {
    const HWND list = Item(IDC_ICON_LIST);
    const DpiScale dpi = WindowDpi::Of(list);
    ListView_SetImageList(list, SharedIcons::Get(dpi), LVSIL_NORMAL);
    ListView_SetIconSpacing(list, dpi.Scale(kIconSpacing), dpi.Scale(kIconSpacing));
    for (int image = 0; image < SharedIcons::kCount; ++image) {
        std::string label = std::to_string(image);
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = image;
        item.iImage = image;
        item.pszText = label.data();
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    if (m_image >= 0 && m_image < SharedIcons::kCount) {
        const UINT selected = LVIS_SELECTED | LVIS_FOCUSED;
        ListView_SetItemState(list, m_image, selected, selected);
        ListView_EnsureVisible(list, m_image, FALSE);
    }
}

bool IconPickerDialog::OnNotify(const NMHDR& header, LRESULT& result) {
    // A double click picks the icon under the pointer at once.
    if (header.idFrom == IDC_ICON_LIST && header.code == NM_DBLCLK &&
        reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0) {
        OnOk();
        result = 0;
        return true;
    }
    return Dialog::OnNotify(header, result);
}

void IconPickerDialog::OnOk() {
    m_image = ListView_GetNextItem(Item(IDC_ICON_LIST), -1, LVNI_SELECTED);
    End(IDOK);
}

} // namespace vaultlet
