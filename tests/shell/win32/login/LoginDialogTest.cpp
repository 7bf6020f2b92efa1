// A first start with nothing to list, a file handed over by a second start, a database created
// through "<New...>" and a portable copy preferring the database beside it are driven on the real
// program (tests/e2e).
#include "shell/win32/login/LoginDialog.h"

#include "core/EncryptedDatabase.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/system/RizeThread.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/TestData.h"
#include "tests/support/win32/GuiDriver.h"
#include "tests/support/win32/Win32TestWindows.h"

#include <shellapi.h>

namespace vaultlet {
namespace {

using test::ChooseComboItem;
using test::Click;
using test::ComboItemsOf;
using test::ComboSelectionOf;
using test::IsItemEnabled;
using test::ItemTextOf;
using test::SetItemTextOf;
using test::Text;
using Items = std::vector<std::string>;

bool IsLogin(HWND window) {
    return test::HasControl(window, IDC_LOGIN_PASSWORD);
}

bool IsKeyboard(HWND window) {
    return test::HasControl(window, IDC_VKEY_SPACE);
}

class LoginDialogTest : public test::ShellGuiFixture {
protected:
    HWND Start(LoginDialog::Options options = {}) {
        m_dialog = std::make_unique<LoginDialog>(std::move(options), Folders());
        m_run = std::make_unique<test::ModalThread>([this] { return m_dialog->RunModal(nullptr); });
        return m_run->WaitForDialogWhere(IsLogin);
    }
    INT_PTR Finish() {
        EXPECT_TRUE(m_run->WaitForEnd());
        const INT_PTR result = m_run->Result();
        m_run.reset();
        return result;
    }
    void TearDown() override {
        m_run.reset();
        m_dialog.reset();
        ShellGuiFixture::TearDown();
    }
    void TypeAndLogIn(HWND window, const std::string& password) {
        const std::size_t messagesBefore = Messages().size();
        SetItemTextOf(window, IDC_LOGIN_PASSWORD, password);
        Click(window, IDOK);
        test::WaitUntil([&] { return Messages().size() > messagesBefore || !IsWindow(window); }, 20000);
    }

    std::unique_ptr<LoginDialog> m_dialog;
    std::unique_ptr<test::ModalThread> m_run;
};

TEST_F(LoginDialogTest, AFirstStartSearchesTheFoldersOffersWhatItFoundAndHoldsTheHotKeyAndTrayIconUntilClosed) {
    const std::string home = MakeDatabase(DocumentsFile("home.kvtdat"), "Home");
    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ComboItemsOf(window, IDC_LOGIN_DATABASE), (Items{"<New...>", "Home [home.kvtdat]"}));
    EXPECT_EQ(ComboSelectionOf(window, IDC_LOGIN_DATABASE), 1);
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), Items{home}) << "the search saved what it found";

    // Ctrl+Alt+F, the default, belongs to the dialog now. Its tray icon is there: changing it works;
    // after the shell loses it, "TaskbarCreated" brings it back.
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'F'));
    NOTIFYICONDATAA icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = 1;
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &icon));
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &icon));
    SendMessageA(window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &icon));

    // "<New...>" with its file dialog cancelled leaves nothing selected.
    ChooseComboItem(window, IDC_LOGIN_DATABASE, 0);
    const HWND save = m_run->WaitForDialogWhere(test::IsFileDialog);
    ASSERT_NE(save, nullptr);
    Click(save, IDCANCEL);
    ASSERT_TRUE(test::WaitUntil([&] { return !IsItemEnabled(window, IDC_LOGIN_PASSWORD); }));
    EXPECT_EQ(ComboSelectionOf(window, IDC_LOGIN_DATABASE), -1);

    // Without "close to tray" the close box ends the dialog, its icon and its hot key.
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(Finish(), IDCANCEL);
    EXPECT_EQ(CurrentDatabase::Get(), nullptr);
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &icon));
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'F'));
    UnregisterHotKey(nullptr, 1);
}

TEST_F(LoginDialogTest, FailuresAreToldApartAndTheRightPasswordOpensTheDatabaseThenTheHotKeysChooser) {
    const std::string home = MakeDatabase(DocumentsFile("home.kvtdat"), "Home", "right");
    const std::string work = MakeDatabase(DocumentsFile("work.kvtdat"), "Work", "other");
    const std::string damaged = MakeDatabase(DocumentsFile("damaged.kvtdat"), "Damaged", "right");
    const std::string locked = MakeDatabase(DocumentsFile("locked.kvtdat"), "Locked", "right");
    // Three stray bytes make the data no whole number of blocks.
    ASSERT_TRUE(test::WriteFileBytes(damaged, test::ReadFileBytes(damaged) + "xyz"));
    const Items listed{home, work, damaged, locked};
    Settings::WriteList(setting::kDataBaseList, listed);
    Settings::Write(setting::kLastSelected, work);
    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(ComboSelectionOf(window, IDC_LOGIN_DATABASE), 2) << "the last database opened is preselected";
    ChooseComboItem(window, IDC_LOGIN_DATABASE, 1);

    TypeAndLogIn(window, "");
    TypeAndLogIn(window, "wrong");
    EXPECT_TRUE(IsWindow(window)) << "the dialog stays";
    EXPECT_EQ(ItemTextOf(window, IDC_LOGIN_PASSWORD), "") << "the field is emptied";
    EXPECT_EQ(ComboSelectionOf(window, IDC_LOGIN_DATABASE), 1) << "the selection stays";
    EXPECT_EQ(CurrentDatabase::Get(), nullptr);
    EXPECT_EQ(Settings::Read(setting::kLastSelected), work);

    // Files that cannot be read are not reported as a wrong password; which failure gets which message
    // is LoginTextsTest's.
    ChooseComboItem(window, IDC_LOGIN_DATABASE, 3);
    TypeAndLogIn(window, "right");
    // Another program holds the file open exclusively after the list was filled.
    const HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ChooseComboItem(window, IDC_LOGIN_DATABASE, 4);
    TypeAndLogIn(window, "right");
    CloseHandle(holder);
    EXPECT_EQ(Messages(), (Items{Text(IDS_INVALID_PASSWORD), Text(IDS_INVALID_PASSWORD),
                                 Text(IDS_INCORRECT_FILE_FORMAT), Text(IDS_DATABASE_UNREADABLE)}));
    EXPECT_EQ(CurrentDatabase::Get(), nullptr);

    // The hot key pressed in another program called the login: after it, the auto-fill chooser.
    ChooseComboItem(window, IDC_LOGIN_DATABASE, 1);
    test::WindowThread form([] { return test::CreateLoginForm(); });
    ASSERT_TRUE(form.BringToFront());
    PostMessageA(window, WM_HOTKEY, 0, 0);
    ASSERT_TRUE(test::WaitUntil([&] { return IsWindowVisible(window) != 0; }));
    SetItemTextOf(window, IDC_LOGIN_PASSWORD, "right");
    Click(window, IDOK);
    const HWND chooser = m_run->WaitForDialogWhere([](HWND w) { return test::HasControl(w, IDC_AUTOFILL_TREE); });
    ASSERT_NE(chooser, nullptr);
    Click(chooser, IDCANCEL);
    EXPECT_EQ(Finish(), IDOK);
    EXPECT_EQ(Messages().size(), 4u);
    ASSERT_NE(CurrentDatabase::Get(), nullptr);
    EXPECT_EQ(CurrentDatabase::Get()->Name(), "Home");
    EXPECT_EQ(CurrentDatabase::Get()->GroupCount(), 5u);
    EXPECT_EQ(Settings::Read(setting::kLastSelected), home);
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), listed) << "the list is unchanged";
}

// How long a remembered window stays the target is AutofillTargetTest's; here a window that shows
// another title by the time the password is in is not offered the chooser, and the user is told.
TEST_F(LoginDialogTest, AWindowThatChangedWhileTheLoginWasUpGetsNoChooser) {
    MakeDatabase(DocumentsFile("home.kvtdat"), "Home", "right");
    Settings::WriteList(setting::kDataBaseList, {DocumentsFile("home.kvtdat")});
    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    ChooseComboItem(window, IDC_LOGIN_DATABASE, 1);
    test::WindowThread form([] { return test::CreateLoginForm(); });
    ASSERT_TRUE(form.BringToFront());
    // Sent, so the dialog has taken the form as its target when this returns.
    SendMessageA(window, WM_HOTKEY, 0, 0);
    SetWindowTextA(form.Window(), "Log in - another page");
    TypeAndLogIn(window, "right");
    EXPECT_EQ(Messages(), Items{Text(IDS_AUTOFILL_TARGET_CHANGED)});
    // A chooser would keep the login from ending.
    EXPECT_EQ(Finish(), IDOK);
}

TEST_F(LoginDialogTest, UnlockingComparesOnlyThePasswordTypedThroughTheKeyboard) {
    const std::string home = MakeDatabase(DocumentsFile("home.kvtdat"), "Home", "qa");
    const std::string work = MakeDatabase(DocumentsFile("work.kvtdat"), "Work", "other");
    Settings::WriteList(setting::kDataBaseList, {work});
    auto open = std::make_unique<EncryptedDatabase>();
    open->SetPassword("qa");
    ASSERT_EQ(open->Load(home), LoadResult::Loaded);
    const EncryptedDatabase* locked = open.get();
    CurrentDatabase::Set(std::move(open));

    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    TypeAndLogIn(window, "other");
    ASSERT_EQ(Messages(), Items{Text(IDS_INVALID_PASSWORD)}) << "the selected entry's password does not unlock";
    EXPECT_EQ(ItemTextOf(window, IDC_LOGIN_PASSWORD), "");
    // The button toggling the keyboard is VirtualKeyboardTest's.
    Click(window, IDC_LOGIN_KEYBOARD);
    const HWND keyboard = m_run->WaitForDialogWhere(IsKeyboard);
    ASSERT_NE(keyboard, nullptr);
    Click(keyboard, IDC_VKEY_ROW2_FIRST); // q
    Click(keyboard, IDC_VKEY_ROW3_FIRST); // a
    ASSERT_TRUE(test::WaitUntil([&] { return ItemTextOf(window, IDC_LOGIN_PASSWORD) == "qa"; }));
    Click(window, IDOK);
    EXPECT_EQ(Finish(), IDOK);
    EXPECT_FALSE(IsWindow(keyboard)) << "the keyboard closes with the login";
    EXPECT_EQ(CurrentDatabase::Get(), locked);
    EXPECT_EQ(Settings::Read(setting::kLastSelected), home);
}

TEST_F(LoginDialogTest, StartedHiddenItComesBackThroughTheTrayAndTheHotKey) {
    Settings::Write(setting::kCloseToTray, 1);
    RizeThread rize(nullptr);
    LoginDialog::Options options;
    options.shown = false;
    options.rizeThread = &rize;
    const HWND window = Start(std::move(options));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(rize.Window(), window) << "the dialog is the window to raise";
    ASSERT_TRUE(test::WaitUntil([&] { return !IsWindowVisible(window); })) << "it hides itself shortly after";

    PostMessageA(window, MSG_TRAY_NOTIFY, 0, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(test::WaitUntil([&] { return IsWindowVisible(window) != 0; }));

    PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(test::WaitUntil([&] { return !IsWindowVisible(window); })) << "minimising hides it to the tray";
    EXPECT_FALSE(IsIconic(window));
    PostMessageA(window, WM_COMMAND, ID_TRAY_SHOW_WINDOW, 0);
    ASSERT_TRUE(test::WaitUntil([&] { return IsWindowVisible(window) != 0; }));

    PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(test::WaitUntil([&] { return !IsWindowVisible(window); }));
    PostMessageA(window, WM_HOTKEY, 0, 0);
    ASSERT_TRUE(test::WaitUntil([&] { return IsWindowVisible(window) != 0; }));

    // With "close to tray" the close button hides it too.
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(test::WaitUntil([&] { return !IsWindowVisible(window); }));
    EXPECT_TRUE(IsWindow(window));
    PostMessageA(window, WM_COMMAND, ID_APP_EXIT, 0);
    EXPECT_EQ(Finish(), ID_APP_EXIT);
    EXPECT_EQ(rize.Window(), nullptr) << "a closed dialog is no longer raised";
}

TEST_F(LoginDialogTest, WithoutATrayIconTheCloseToTrayOptionHasNoEffect) {
    Settings::Write(setting::kShowTrayIcon, 0);
    Settings::Write(setting::kCloseToTray, 1);
    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(test::WaitUntil([&] { return IsIconic(window) != 0; })) << "without a tray icon it minimises";
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(Finish(), IDCANCEL);
}

} // namespace
} // namespace vaultlet
