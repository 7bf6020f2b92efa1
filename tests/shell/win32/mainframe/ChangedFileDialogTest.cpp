#include "shell/win32/mainframe/ChangedFileDialog.h"

#include "resources/resource.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/win32/GuiDriver.h"

namespace vaultlet {
namespace {

bool IsChangedFileDialog(HWND window) {
    return test::HasControl(window, IDC_CHANGED_FILE_MERGE);
}

class ChangedFileDialogTest : public test::ShellGuiFixture {};

TEST_F(ChangedFileDialogTest, EachButtonAnswersWithItsIdAndEnterMerges) {
    for (const int button : {IDC_CHANGED_FILE_MERGE, IDC_CHANGED_FILE_OVERWRITE, IDC_CHANGED_FILE_SAVE_AS, IDCANCEL}) {
        ChangedFileDialog dialog;
        EXPECT_EQ(RunDialog(dialog, IsChangedFileDialog, [button](HWND window) { test::Click(window, button); }),
                  button);
    }
    ChangedFileDialog dialog;
    RunDialog(dialog, IsChangedFileDialog, [](HWND window) {
        const LRESULT defaultButton = SendMessageA(window, DM_GETDEFID, 0, 0);
        EXPECT_EQ(HIWORD(defaultButton), DC_HASDEFID);
        EXPECT_EQ(LOWORD(defaultButton), IDC_CHANGED_FILE_MERGE);
        test::Click(window, IDCANCEL);
    });
}

} // namespace
} // namespace vaultlet
