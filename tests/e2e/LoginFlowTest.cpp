// The real program, started as a user would start it: the database list it shows on the first start
// and later, the login with every kind of failure, and the creation of a new database through the
// system's save-file dialog.
#include "core/EncryptedDatabase.h"
#include "resources/resource.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "tests/e2e/ProgramFixture.h"
#include "tests/support/TestData.h"
#include "tests/support/win32/GuiDriver.h"

#include <commctrl.h>

namespace vaultlet::e2e {
namespace {

using test::ChooseComboItem;
using test::Click;
using test::ComboItemsOf;
using test::ComboSelectionOf;
using test::IsItemEnabled;
using test::SetItemTextOf;
using Texts = std::vector<std::string>;

using LoginFlowTest = ProgramFixture;

TEST_F(LoginFlowTest, AFirstStartShowsTheSearchWindowThenOnlyNew) {
    const auto program = m_copy.Start();
    ASSERT_NE(program, nullptr);
    const HWND search = program->WaitForDialogWithControl(IDC_SEARCH_TEXT);
    ASSERT_NE(search, nullptr) << "with no list the program searches first";
    const HWND login = program->WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_FALSE(IsWindow(search));
    EXPECT_EQ(test::TextOf(login), "Quillmoth Keyhaven");
    EXPECT_EQ(ComboItemsOf(login, IDC_LOGIN_DATABASE), Texts{"<New...>"});
    EXPECT_EQ(ComboSelectionOf(login, IDC_LOGIN_DATABASE), -1);
    EXPECT_FALSE(IsItemEnabled(login, IDC_LOGIN_PASSWORD));
    EXPECT_FALSE(IsItemEnabled(login, IDOK));

    Click(login, IDCANCEL);
    ASSERT_TRUE(program->WaitForExit());
    EXPECT_EQ(program->ExitCode(), 0u);
}

TEST_F(LoginFlowTest, ADatabaseBesideTheProgramIsAlwaysListedAndSurvivesClearAll) {
    MakeDatabase(m_copy.File("local.kvtdat"), "Local");
    const std::string home = MakeDatabase("home.kvtdat", "Home");
    std::string shouted = home;
    CharUpperBuffA(shouted.data(), static_cast<DWORD>(shouted.size()));
    Settings::WriteList(setting::kDataBaseList, {home, shouted});

    const auto program = m_copy.Start();
    const HWND login = program->WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(ComboItemsOf(login, IDC_LOGIN_DATABASE),
              (Texts{"<New...>", "Local [local.kvtdat]", "Home [home.kvtdat]"}))
        << "the two spellings of one path are one entry";

    Click(login, IDC_LOGIN_MANAGE_LINK);
    const HWND manage = program->WaitForDialogWithControl(IDC_MANAGEDB_LIST);
    ASSERT_NE(manage, nullptr);
    const HWND list = GetDlgItem(manage, IDC_MANAGEDB_LIST);
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
    PostMessageW(list, WM_KEYDOWN, VK_END, 0);
    EXPECT_TRUE(test::WaitUntil([&] { return IsItemEnabled(manage, IDC_MANAGEDB_REMOVE); })) << "Home can go";
    PostMessageW(list, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_TRUE(test::WaitUntil([&] { return !IsItemEnabled(manage, IDC_MANAGEDB_REMOVE); })) << "Local cannot";

    Click(manage, IDC_MANAGEDB_CLEAR);
    EXPECT_TRUE(test::WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 1; }));
    Click(manage, IDOK);
    ASSERT_TRUE(test::WaitUntil([&] { return !IsWindow(manage); }));
    EXPECT_TRUE(test::WaitUntil([&] {
        return ComboItemsOf(login, IDC_LOGIN_DATABASE) == Texts{"<New...>", "Local [local.kvtdat]"};
    })) << "Clear All brings the file beside the program back at once";
    Click(login, IDCANCEL);
    ASSERT_TRUE(program->WaitForExit());
}

TEST_F(LoginFlowTest, LoginFailuresAreToldApartAndTheRightPasswordOpens) {
    const std::string home = MakeDatabase("home.kvtdat", "Home", "right");
    const std::string damaged = MakeDatabase("damaged.kvtdat", "Damaged", "right");
    const std::string held = MakeDatabase("held.kvtdat", "Held", "right");
    ASSERT_TRUE(test::WriteFileBytes(damaged, test::ReadFileBytes(damaged) + "xyz"));
    Settings::WriteList(setting::kDataBaseList, {home, damaged, held});
    Settings::Write(setting::kLastSelected, damaged);

    const auto program = m_copy.Start();
    const HWND login = program->WaitForLogin();
    ASSERT_NE(login, nullptr);
    ASSERT_EQ(ComboSelectionOf(login, IDC_LOGIN_DATABASE), 2);

    LogIn(login, "");
    EXPECT_EQ(AnswerMessageBox(*program), "Invalid password. Please type your password again.");
    LogIn(login, "right");
    EXPECT_EQ(AnswerMessageBox(*program), Text(IDS_INCORRECT_FILE_FORMAT)) << "a damaged file";
    EXPECT_EQ(test::ItemTextOf(login, IDC_LOGIN_PASSWORD), "");

    const HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ChooseComboItem(login, IDC_LOGIN_DATABASE, 3);
    LogIn(login, "right");
    EXPECT_EQ(AnswerMessageBox(*program), Text(IDS_DATABASE_UNREADABLE)) << "a file another program holds";
    CloseHandle(holder);

    ChooseComboItem(login, IDC_LOGIN_DATABASE, 1);
    LogIn(login, "wrong");
    EXPECT_EQ(AnswerMessageBox(*program), "Invalid password. Please type your password again.");
    EXPECT_EQ(test::ItemTextOf(login, IDC_LOGIN_PASSWORD), "") << "the field is emptied";
    EXPECT_TRUE(IsWindowVisible(login)) << "the dialog stays";
    EXPECT_EQ(Settings::Read(setting::kLastSelected), damaged);

    LogIn(login, "right");
    const HWND main = program->WaitForMainWindow();
    ASSERT_NE(main, nullptr) << "the database opens in the main window";
    EXPECT_FALSE(IsWindow(login));
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program->WaitForExit()) << "an unchanged database closes without a question";
    EXPECT_EQ(program->ExitCode(), 0u);
    EXPECT_EQ(Settings::Read(setting::kLastSelected), home);
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), (Texts{home, damaged, held}));
}

TEST_F(LoginFlowTest, TheMasterPasswordCanBeTypedWithTheVirtualKeyboard) {
    const std::string home = MakeDatabase("home.kvtdat", "Home", "right");
    Settings::WriteList(setting::kDataBaseList, {home});
    const auto program = m_copy.Start();
    const HWND login = program->WaitForLogin();
    ASSERT_NE(login, nullptr);
    Click(login, IDC_LOGIN_KEYBOARD);
    const HWND keyboard = program->WaitForDialogWithControl(IDC_VKEY_SPACE);
    ASSERT_NE(keyboard, nullptr);
    // r, i, g, h, t: the fourth, eighth keys of the q row and the fifth, sixth of the a row, then t.
    for (const int key : {IDC_VKEY_ROW2_FIRST + 3, IDC_VKEY_ROW2_FIRST + 7, IDC_VKEY_ROW3_FIRST + 4,
                          IDC_VKEY_ROW3_FIRST + 5, IDC_VKEY_ROW2_FIRST + 4}) {
        Click(keyboard, key);
    }
    Click(login, IDOK);
    ASSERT_NE(program->WaitForMainWindow(), nullptr) << "the typed password opened the database";
    EXPECT_EQ(Settings::Read(setting::kLastSelected), home);
}

TEST_F(LoginFlowTest, NewThenCancellingTheSaveDialogLeavesNothingSelected) {
    const std::string home = MakeDatabase("home.kvtdat", "Home");
    Settings::WriteList(setting::kDataBaseList, {home});
    const auto program = m_copy.Start();
    const HWND login = program->WaitForLogin();
    ASSERT_NE(login, nullptr);
    ChooseComboItem(login, IDC_LOGIN_DATABASE, 0);
    const HWND save = test::WaitForDialog(program->Id(), test::IsFileDialog, 20000);
    ASSERT_NE(save, nullptr);
    Click(save, IDCANCEL);
    EXPECT_TRUE(test::WaitUntil([&] { return !IsItemEnabled(login, IDC_LOGIN_PASSWORD); }));
    EXPECT_EQ(ComboSelectionOf(login, IDC_LOGIN_DATABASE), -1);
    EXPECT_FALSE(IsItemEnabled(login, IDOK));
    Click(login, IDCANCEL);
    ASSERT_TRUE(program->WaitForExit());
}

TEST_F(LoginFlowTest, ANewDatabaseIsCreatedThroughTheSaveDialogWithItsChecks) {
    const auto program = m_copy.Start();
    const HWND login = program->WaitForLogin();
    ASSERT_NE(login, nullptr);
    ChooseComboItem(login, IDC_LOGIN_DATABASE, 0);
    const HWND save = test::WaitForDialog(program->Id(), test::IsFileDialog, 20000);
    ASSERT_NE(save, nullptr);
    const std::string path = OtherFile("Family Vault.v2.kvtdat");
    test::TypeFileName(save, path);

    const HWND details = program->WaitForDialogWithControl(IDC_NEWDB_CONFIRM);
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(test::TextOf(details), "New Database");
    EXPECT_EQ(test::ItemTextOf(details, IDC_NEWDB_NAME), "Family Vault.v2") << "the file name without its extension";

    SetItemTextOf(details, IDC_NEWDB_NAME, "");
    Click(details, IDOK);
    EXPECT_EQ(AnswerMessageBox(*program), Text(IDS_INVALID_DATABASE_NAME));
    SetItemTextOf(details, IDC_NEWDB_NAME, "Family");
    Click(details, IDOK);
    EXPECT_EQ(AnswerMessageBox(*program), "Invalid password. Please type your password again.");
    SetItemTextOf(details, IDC_NEWDB_PASSWORD, "family secret");
    SetItemTextOf(details, IDC_NEWDB_CONFIRM, "family secreT");
    Click(details, IDOK);
    EXPECT_EQ(AnswerMessageBox(*program), "The password you typed do not match. Please type your password again.");
    SetItemTextOf(details, IDC_NEWDB_CONFIRM, "family secret");
    ChooseComboItem(details, IDC_NEWDB_CIPHER, 2);
    Click(details, IDOK);

    ASSERT_NE(program->WaitForMainWindow(60000), nullptr) << "the new database is open: the login is over";
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), Texts{path}) << "the new file is listed";
    std::string name;
    int cipherId = -1;
    ASSERT_TRUE(ProbeFile(path, name, cipherId));
    EXPECT_EQ(name, "Family");
    EXPECT_EQ(cipherId, 2) << "Twofish, the third of the list";
    EncryptedDatabase reopened;
    reopened.SetPassword("family secret");
    ASSERT_EQ(reopened.Load(path), LoadResult::Loaded);
    EXPECT_EQ(reopened.KeyIterations(), EncryptedDatabase::kDefaultKeyIterations);
    ASSERT_EQ(reopened.GroupCount(), 5u);
    Texts groups;
    for (std::size_t i = 0; i < reopened.GroupCount(); ++i) {
        groups.emplace_back(reopened.At(i)->Name().Viewed());
    }
    EXPECT_EQ(groups, (Texts{"Network", "Internet", "E-Mail", "HomeBanking", "Software"}));
}

} // namespace
} // namespace vaultlet::e2e
