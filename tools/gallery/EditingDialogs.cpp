// The dialogs that edit the nodes of a database: names, passcards, fields and their icons, and a new
// login in one step.
#include "tools/gallery/Gallery.h"

#include "core/Clock.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/Passcard.h"
#include "resources/resource.h"
#include "shell/win32/editing/FieldDialog.h"
#include "shell/win32/editing/IconPickerDialog.h"
#include "shell/win32/editing/NameDialog.h"
#include "shell/win32/editing/NewLoginDialog.h"
#include "shell/win32/editing/PasscardDialog.h"

namespace vaultlet::gallery {
namespace {

const Registration kEditName("edit-name", [](Scene&) {
    Group group("Internet");
    NameDialog dialog(group);
    dialog.RunModal(nullptr);
});

const Registration kSelectIcon("select-icon", [](Scene&) {
    IconPickerDialog dialog(24);
    dialog.RunModal(nullptr);
});

// Thirty days from now, with auto-fill on: every control of the dialog enabled.
const Registration kEditPasscard("edit-passcard", [](Scene&) {
    Passcard passcard;
    passcard.SetName("Web mail");
    passcard.SetUseAutofill(true);
    passcard.SetExpiration(Clock::NowFileTime() + 30 * 864000000000ULL);
    auto login = std::make_unique<Item>();
    login->ApplyTypeDefaults(ItemType::Login);
    passcard.Add(std::move(login));
    PasscardDialog dialog(passcard);
    dialog.RunModal(nullptr);
});

// A key passphrase: the extra row turns into the key's name, the value is masked.
const Registration kEditField("edit-field", [](Scene&) {
    Item item;
    item.ApplyTypeDefaults(ItemType::KeyPassphrase);
    item.SetValue("correct horse battery");
    item.SetMeta("id_ed25519");
    FieldDialog dialog(item, false);
    dialog.RunModal(nullptr);
});

// Filled in as a user would before pressing OK; the password stays masked. Shown only once filled.
const Registration kNewLogin("new-login", [](Scene&) {
    NewLoginDialog dialog;
    const HWND window = dialog.CreateModeless(nullptr);
    SetDlgItemTextA(window, IDC_NEWLOGIN_NAME, "Web mail");
    SetDlgItemTextA(window, IDC_NEWLOGIN_LOGIN, "anna.k@mail.example");
    SetDlgItemTextA(window, IDC_NEWLOGIN_PASSWORD, "Violet-Harbour-42");
    SetDlgItemTextA(window, IDC_NEWLOGIN_URL, "https://mail.example/login");
    SetDlgItemTextA(window, IDC_NEWLOGIN_NOTE, "Recovery codes are in the safe.");
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (IsWindow(window) && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
});

} // namespace
} // namespace vaultlet::gallery
