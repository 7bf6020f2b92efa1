#include "shell/win32/mainframe/OtherCopyPasswordDialog.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"

namespace vaultlet {

OtherCopyPasswordDialog::OtherCopyPasswordDialog() : Dialog(IDD_OTHER_COPY_PASSWORD) {}

bool OtherCopyPasswordDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    SetWindowTextA(Handle(), language.getString(IDS_OTHER_COPY_PASSWORD_TITLE).c_str());
    language.translateWindow(Handle());
    SetItemText(IDC_OTHER_COPY_PROMPT, language.getString(IDS_OTHER_COPY_PASSWORD));
    FocusItem(IDC_OTHER_COPY_PASSWORD);
    return false;
}

void OtherCopyPasswordDialog::OnOk() {
    m_password = ItemSecret(IDC_OTHER_COPY_PASSWORD);
    ClearSecret(IDC_OTHER_COPY_PASSWORD);
    End(IDOK);
}

void OtherCopyPasswordDialog::OnCancel() {
    ClearSecret(IDC_OTHER_COPY_PASSWORD);
    End(IDCANCEL);
}

} // namespace vaultlet
