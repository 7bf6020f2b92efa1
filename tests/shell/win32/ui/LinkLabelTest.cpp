#include "shell/win32/ui/LinkLabel.h"

#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/DialogTemplate.h"
#include "tests/support/win32/GuiDriver.h"

#include <gtest/gtest.h>

#include <vector>

namespace vaultlet {
namespace {

class ControlsDialog : public Dialog {
public:
    explicit ControlsDialog(const DLGTEMPLATE* layout) : Dialog(layout) {}
    std::vector<int> clicks;

protected:
    bool OnCommand(int id, int code, HWND control) override {
        if (code == BN_CLICKED && (id == 201 || id == 202)) {
            clicks.push_back(id);
            return true;
        }
        return Dialog::OnCommand(id, code, control);
    }
};

TEST(LinkLabelTest, LinksClickLikeButtonsUnlessDisabled) {
    DialogTemplate layout("Controls", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, 200, 100);
    layout.AddControl(LinkLabel::kClassName, "First link", 201, WS_VISIBLE | WS_TABSTOP, 10, 40, 80, 10);
    layout.AddControl(LinkLabel::kClassName, "Second link", 202, WS_VISIBLE | WS_TABSTOP | WS_DISABLED, 10, 55, 80, 10);
    ControlsDialog dialog(layout.Get());
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    const HWND window = run.WaitForDialog("Controls");
    ASSERT_NE(window, nullptr);

    test::Click(window, 201);
    test::Click(window, 202);
    // A mouse click: button down and up over the link.
    const HWND link = GetDlgItem(window, 201);
    PostMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(dialog.clicks, (std::vector<int>{201, 201})) << "the disabled link stays silent";
}

} // namespace
} // namespace vaultlet
