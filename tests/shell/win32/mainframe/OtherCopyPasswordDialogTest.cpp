#include "shell/win32/mainframe/OtherCopyPasswordDialog.h"

#include "resources/resource.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/win32/GuiDriver.h"

namespace vaultlet {
namespace {

bool IsPasswordDialog(HWND window) {
    return test::HasControl(window, IDC_OTHER_COPY_PASSWORD);
}

class OtherCopyPasswordDialogTest : public test::ShellGuiFixture {};

TEST_F(OtherCopyPasswordDialogTest, OkHandsOverWhatWasTypedAndCancelNothing) {
    OtherCopyPasswordDialog typed;
    EXPECT_EQ(RunDialog(typed, IsPasswordDialog,
                        [](HWND window) {
                            test::SetItemTextOf(window, IDC_OTHER_COPY_PASSWORD, "their secret");
                            test::Click(window, IDOK);
                        }),
              IDOK);
    EXPECT_EQ(typed.TakePassword(), "their secret");

    OtherCopyPasswordDialog cancelled;
    EXPECT_EQ(RunDialog(cancelled, IsPasswordDialog,
                        [](HWND window) {
                            test::SetItemTextOf(window, IDC_OTHER_COPY_PASSWORD, "half typed");
                            test::Click(window, IDCANCEL);
                        }),
              IDCANCEL);
    EXPECT_TRUE(cancelled.TakePassword().empty());
}

} // namespace
} // namespace vaultlet
