#include "shell/win32/mainframe/ChangedFileDialog.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"

namespace vaultlet {

ChangedFileDialog::ChangedFileDialog() : Dialog(IDD_CHANGED_FILE) {}

bool ChangedFileDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    SetWindowTextA(Handle(), language.getString(IDS_PRODUCT_TITLE).c_str());
    language.translateWindow(Handle());
    SetItemText(IDC_CHANGED_FILE_TEXT, language.getString(IDS_FILE_CHANGED_ON_DISK));
    SetItemText(IDC_CHANGED_FILE_MERGE, language.getString(IDS_MERGE_BUTTON));
    SetItemText(IDC_CHANGED_FILE_OVERWRITE, language.getString(IDS_OVERWRITE_BUTTON));
    SetItemText(IDC_CHANGED_FILE_SAVE_AS, language.getString(IDS_SAVE_AS_BUTTON));
    // A shared system icon: nothing to release.
    SendMessageA(Item(IDC_CHANGED_FILE_ICON), STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_WARNING)),
                 0);
    MessageBeep(MB_ICONWARNING);
    return true;
}

bool ChangedFileDialog::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED &&
        (id == IDC_CHANGED_FILE_MERGE || id == IDC_CHANGED_FILE_OVERWRITE || id == IDC_CHANGED_FILE_SAVE_AS)) {
        End(id);
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

} // namespace vaultlet
