#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/DialogTemplate.h"

#include "tests/support/win32/GuiDriver.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace vaultlet;

namespace {

constexpr WORD kThrowId = 100;

DialogTemplate MakeTemplate(const char* title) {
    DialogTemplate layout(title, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 160, 80);
    layout.AddControl("BUTTON", "Throw", kThrowId, WS_VISIBLE | BS_PUSHBUTTON, 10, 30, 50, 14);
    layout.AddControl("BUTTON", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 60, 56, 40, 14);
    layout.AddControl("BUTTON", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 110, 56, 40, 14);
    return layout;
}

class ThrowingDialog : public Dialog {
public:
    explicit ThrowingDialog(const DLGTEMPLATE* layout) : Dialog(layout) {}

protected:
    bool OnCommand(int id, int code, HWND control) override {
        if (id == kThrowId) {
            throw std::runtime_error("must not reach the system");
        }
        return Dialog::OnCommand(id, code, control);
    }
};

} // namespace

TEST(DialogTest, AnExceptionInAHandlerLeavesTheModalDialogRunning) {
    const DialogTemplate layout = MakeTemplate("Throwing dialog");
    ThrowingDialog dialog(layout.Get());
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    HWND window = run.WaitForDialog("Throwing dialog");
    ASSERT_NE(window, nullptr);

    test::Click(window, kThrowId);
    EXPECT_TRUE(IsWindow(window)) << "an exception in a handler leaves the dialog running";
    test::Click(window, IDOK);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.Result(), IDOK);
}
