// Filling through the hot key is MainFrameTest's and the end-to-end test's; the target's rules are
// AutofillTargetTest's.
#include "shell/win32/autofill/AutofillPasscardDialog.h"

#include "core/Database.h"
#include "core/ModifiedFlag.h"
#include "core/Passcard.h"
#include "resources/resource.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/SampleDatabases.h"
#include "tests/support/win32/GuiDriver.h"
#include "tests/support/win32/Win32TestWindows.h"

namespace vaultlet {
namespace {

bool IsChooser(HWND window) {
    return test::HasControl(window, IDC_AUTOFILL_TREE);
}

using AutofillPasscardDialogTest = test::ShellGuiFixture;

TEST_F(AutofillPasscardDialogTest, ATargetThatChangedItsTitleBeforeOkGetsNothing) {
    Settings::Write(setting::kAutofillFromClipboard, 0);
    Database database;
    database.Add(std::make_unique<Group>("Web"));
    auto passcard = test::MakePasscard("Shop", {{ItemType::Login, "buyer"}, {ItemType::Password, "pa55"}});
    passcard->SetUseAutofill(true);
    passcard->SetWindow("Log in");
    Passcard& shop = *passcard;
    database.At(0)->Add(std::move(passcard));
    ModifiedFlag::Clear();

    test::WindowThread form([] { return test::CreateLoginForm(); });
    ASSERT_TRUE(form.BringToFront());
    AutofillPasscardDialog chooser(form.Window(), database);
    const INT_PTR result = RunDialog(chooser, IsChooser, [&](HWND window) {
        EXPECT_EQ(test::ItemTextOf(window, IDC_AUTOFILL_TARGET), "Window: Log in (shell_tests.exe)");
        ASSERT_TRUE(test::IsItemEnabled(window, IDOK)) << "the passcard last used for this title is chosen";
        SetWindowTextA(form.Window(), "Log in - another page");
        test::Click(window, IDOK);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(Messages(), std::vector<std::string>{test::Text(IDS_AUTOFILL_TARGET_CHANGED)});
    EXPECT_EQ(test::WindowTextOf(form.Control(test::kLoginEditId)), "");
    EXPECT_EQ(test::WindowTextOf(form.Control(test::kPasswordEditId)), "");
    EXPECT_EQ(shop.Window(), "Log in");
    EXPECT_FALSE(ModifiedFlag::IsRaised());
}

} // namespace
} // namespace vaultlet
