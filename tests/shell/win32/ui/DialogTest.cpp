#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/DialogTemplate.h"

#include "tests/support/win32/GuiDriver.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace vaultlet;

namespace {

constexpr WORD kEditId = 100;
constexpr WORD kThrowId = 101;

DialogTemplate MakeTemplate(const char* title) {
    DialogTemplate layout(title, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 160, 80);
    layout.AddControl("EDIT", "", kEditId, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 10, 140, 14);
    layout.AddControl("BUTTON", "Throw", kThrowId, WS_VISIBLE | BS_PUSHBUTTON, 10, 30, 50, 14);
    layout.AddControl("BUTTON", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 60, 56, 40, 14);
    layout.AddControl("BUTTON", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 110, 56, 40, 14);
    return layout;
}

class NameDialog : public Dialog {
public:
    explicit NameDialog(const DLGTEMPLATE* layout) : Dialog(layout) {}

    std::string initialText;
    std::string result;

protected:
    bool OnInit() override {
        SetItemText(kEditId, initialText);
        return true;
    }
    bool OnCommand(int id, int code, HWND control) override {
        if (id == kThrowId) {
            throw std::runtime_error("must not reach the system");
        }
        return Dialog::OnCommand(id, code, control);
    }
    void OnOk() override {
        result = ItemText(kEditId);
        Dialog::OnOk();
    }
};

} // namespace

TEST(DialogTest, ModalDialogInitialisesReadsBackOnOkAndSurvivesExceptions) {
    const DialogTemplate layout = MakeTemplate("Name dialog");
    NameDialog dialog(layout.Get());
    dialog.initialText = "start";
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    HWND window = run.WaitForDialog("Name dialog");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::ItemTextOf(window, kEditId), "start");

    test::Click(window, kThrowId);
    test::SetItemTextOf(window, kEditId, "typed caf\xE9");
    EXPECT_TRUE(IsWindow(window)) << "an exception in a handler leaves the dialog running";
    test::Click(window, IDOK);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.Result(), IDOK);
    EXPECT_EQ(dialog.result, "typed caf\xE9");
}
