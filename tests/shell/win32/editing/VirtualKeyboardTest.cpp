#include "shell/win32/editing/VirtualKeyboard.h"

#include "resources/resource.h"
#include "shell/win32/ui/DialogTemplate.h"
#include "tests/support/win32/GuiDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vaultlet {
namespace {

constexpr const char* kKeyboardTitle = "Virtual Keyboard";
constexpr WORD kPasswordBox = 100;
constexpr WORD kNameBox = 101;
constexpr WORD kPasswordButton = 102;
constexpr WORD kNameButton = 103;

// A dialog like the login dialog: two boxes, each with a small button that toggles the keyboard.
// Output: whether a keyboard window still existed when the dialog's cancel handler ran.
class HostDialog : public Dialog {
public:
    explicit HostDialog(const DLGTEMPLATE* layout) : Dialog(layout) {}

    bool keyboardAtCancel = true;

protected:
    bool OnCommand(int id, int code, HWND control) override {
        if (id == kPasswordButton || id == kNameButton) {
            VirtualKeyboard::Toggle(Item(id == kPasswordButton ? kPasswordBox : kNameBox));
            return true;
        }
        return Dialog::OnCommand(id, code, control);
    }
    void OnCancel() override {
        keyboardAtCancel = VirtualKeyboard::Window() != nullptr;
        Dialog::OnCancel();
    }
};

DialogTemplate HostTemplate(const char* title) {
    DialogTemplate layout(title, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE, 40, 40, 200, 100);
    const DWORD box = WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    layout.AddControl("EDIT", "", kPasswordBox, box | ES_PASSWORD, 10, 10, 150, 14);
    layout.AddControl("BUTTON", "K", kPasswordButton, WS_VISIBLE | BS_PUSHBUTTON, 164, 10, 16, 14);
    layout.AddControl("EDIT", "", kNameBox, box, 10, 40, 150, 14);
    layout.AddControl("BUTTON", "K", kNameButton, WS_VISIBLE | BS_PUSHBUTTON, 164, 40, 16, 14);
    layout.AddControl("BUTTON", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 90, 80, 50, 14);
    layout.AddControl("BUTTON", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 145, 80, 50, 14);
    return layout;
}

// Runs host dialogs on a thread of their own; the keyboard belongs to that thread, so whatever
// keyboard is left when the thread's dialogs have ended is closed there too.
class HostRun {
public:
    explicit HostRun(std::vector<std::string> titles)
        : m_run([this, titles = std::move(titles)] {
              for (const std::string& title : titles) {
                  const DialogTemplate layout = HostTemplate(title.c_str());
                  HostDialog dialog(layout.Get());
                  dialog.RunModal(nullptr);
                  keyboardAtCancel.push_back(dialog.keyboardAtCancel);
              }
              VirtualKeyboard::Close();
              return INT_PTR{0};
          }) {}

    HWND WaitForHost(const std::string& title) const { return m_run.WaitForDialog(title); }
    HWND WaitForKeyboard() const { return m_run.WaitForDialog(kKeyboardTitle); }
    HWND OpenKeyboard(HWND host, int button = kPasswordButton) const {
        test::Click(host, button);
        return WaitForKeyboard();
    }
    bool WaitForEnd() const { return m_run.WaitForEnd(); }

    std::vector<bool> keyboardAtCancel;

private:
    test::ModalThread m_run;
};

std::string BoxText(HWND host, int box = kPasswordBox) {
    return test::ItemTextOf(host, box);
}

std::string Type(HWND keyboard, HWND host, std::initializer_list<int> keys, std::size_t expectedLength,
                 int box = kPasswordBox) {
    for (const int key : keys) {
        test::Click(keyboard, key);
    }
    test::WaitUntil([&] { return BoxText(host, box).size() >= expectedLength; });
    return BoxText(host, box);
}

constexpr int kQ = IDC_VKEY_ROW2_FIRST;
constexpr int kA = IDC_VKEY_ROW3_FIRST;

// Which character each click makes, and which labels and latches go with each state, is
// VirtualKeyboardStateTest's. Backspace goes through the input queue, not the box's text.
TEST(VirtualKeyboardTest, ClicksTypeIntoTheBoxWithoutTakingTheFocusAndTheKeyboardGoesWithItsDialog) {
    HostRun run({"Host", "Second"});
    HWND host = run.WaitForHost("Host");
    ASSERT_NE(host, nullptr);
    test::SetItemTextOf(host, kPasswordBox, "xy");
    SendMessageA(GetDlgItem(host, kPasswordBox), EM_SETSEL, 2, 2);
    HWND keyboard = run.OpenKeyboard(host);
    ASSERT_NE(keyboard, nullptr);

    EXPECT_EQ(Type(keyboard, host, {IDC_VKEY_SHIFT, kQ, kQ}, 4), "xyQq");
    test::Click(keyboard, IDC_VKEY_SHIFT_RIGHT);
    test::Click(keyboard, IDC_VKEY_BACKSPACE);
    EXPECT_TRUE(test::WaitUntil([&] { return BoxText(host) == "xyQ"; })) << BoxText(host);
    EXPECT_EQ(Type(keyboard, host, {kA}, 4), "xyQA");
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(host, nullptr), &thread));
    EXPECT_EQ(thread.hwndActive, host) << "the keyboard never takes the activation";
    EXPECT_EQ(thread.hwndFocus, GetDlgItem(host, kPasswordBox));

    // The same button closes it; again opens a fresh one.
    test::Click(host, kPasswordButton);
    EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(keyboard); }));
    keyboard = run.OpenKeyboard(host);
    ASSERT_NE(keyboard, nullptr);
    EXPECT_EQ(test::ItemTextOf(keyboard, kQ), "q") << "a fresh keyboard, without the Shift left on";

    // While shown, any box's button closes it; the next click opens it under that box.
    test::Click(host, kNameButton);
    EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(keyboard); }));
    keyboard = run.OpenKeyboard(host, kNameButton);
    ASSERT_NE(keyboard, nullptr);
    EXPECT_EQ(Type(keyboard, host, {kA}, 1, kNameBox), "a");
    EXPECT_EQ(BoxText(host), "xyQA");

    // The keyboard's own OK key closes it; the button then opens a new one.
    test::Click(keyboard, IDC_VKEY_OK);
    EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(keyboard); }));
    keyboard = run.OpenKeyboard(host, kNameButton);
    ASSERT_NE(keyboard, nullptr);

    // The close box closes the keyboard before the dialog hears of it; the Cancel button leaves the
    // keyboard to the dialog's end, which destroys it.
    PostMessageA(host, WM_CLOSE, 0, 0);
    EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(keyboard); }));
    host = run.WaitForHost("Second");
    ASSERT_NE(host, nullptr);
    keyboard = run.OpenKeyboard(host);
    ASSERT_NE(keyboard, nullptr);
    test::Click(host, IDCANCEL);
    EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(keyboard); }));
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.keyboardAtCancel, (std::vector<bool>{false, true}));
}

} // namespace
} // namespace vaultlet
