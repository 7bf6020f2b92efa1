// The real program, started as a user would start it: the database list it shows on the first start
// and later, the login, and the creation of a new database through the system's save-file dialog.
#include "core/EncryptedDatabase.h"
#include "resources/resource.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "tests/e2e/ProgramFixture.h"
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
    Click(manage, IDC_MANAGEDB_CLEAR);
    EXPECT_TRUE(test::WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 1; }));
    Click(manage, IDOK);
    ASSERT_TRUE(test::WaitUntil([&] { return !IsWindow(manage); }));
    EXPECT_TRUE(test::WaitUntil([&] {
        return ComboItemsOf(login, IDC_LOGIN_DATABASE) == Texts{"<New...>", "Local [local.kvtdat]"};
    })) << "Clear All brings the file beside the program back at once";
    Click(login, IDCANCEL);
    ASSERT_TRUE(program->WaitForExit());
    EXPECT_EQ(program->ExitCode(), 0u) << "closing the login ends the program normally";
}

// The kinds of failure are told apart in LoginDialogTest; here the real process opens the database
// and keeps the choice in its settings file after it has ended.
TEST_F(LoginFlowTest, TheRightPasswordOpensTheChosenDatabaseAndTheChoiceOutlivesTheProcess) {
    const std::string home = MakeDatabase("home.kvtdat", "Home", "right");
    const std::string work = MakeDatabase("work.kvtdat", "Work", "other");
    Settings::WriteList(setting::kDataBaseList, {home, work});
    Settings::Write(setting::kLastSelected, work);

    const auto program = m_copy.Start();
    const HWND login = program->WaitForLogin();
    ASSERT_NE(login, nullptr);
    ASSERT_EQ(ComboSelectionOf(login, IDC_LOGIN_DATABASE), 2);
    ChooseComboItem(login, IDC_LOGIN_DATABASE, 1);
    LogIn(login, "wrong");
    EXPECT_EQ(AnswerMessageBox(*program), "Invalid password. Please type your password again.");
    EXPECT_EQ(Settings::Read(setting::kLastSelected), work);

    LogIn(login, "right");
    const HWND main = program->WaitForMainWindow();
    ASSERT_NE(main, nullptr) << "the database opens in the main window";
    EXPECT_FALSE(IsWindow(login));
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program->WaitForExit()) << "an unchanged database closes without a question";
    EXPECT_EQ(program->ExitCode(), 0u);
    EXPECT_EQ(Settings::Read(setting::kLastSelected), home);
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), (Texts{home, work}));
}

TEST_F(LoginFlowTest, AFirstStartSearchesThenOffersOnlyNewWhichCreatesAndOpensADatabase) {
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
    EXPECT_TRUE(IsItemEnabled(login, IDC_LOGIN_MANAGE_LINK));
    EXPECT_TRUE(IsItemEnabled(login, IDC_LOGIN_ADD_LINK));

    ChooseComboItem(login, IDC_LOGIN_DATABASE, 0);
    const HWND save = test::WaitForDialog(program->Id(), test::IsFileDialog, 20000);
    ASSERT_NE(save, nullptr);
    const std::string path = OtherFile("Family Vault.v2.kvtdat");
    test::TypeFileName(save, path);

    const HWND details = program->WaitForDialogWithControl(IDC_NEWDB_CONFIRM);
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(test::TextOf(details), "New Database");
    EXPECT_EQ(test::ItemTextOf(details, IDC_NEWDB_NAME), "Family Vault.v2") << "the file name without its extension";

    // The dialog's checks are NewDatabaseDialogTest's.
    SetItemTextOf(details, IDC_NEWDB_NAME, "Family");
    SetItemTextOf(details, IDC_NEWDB_PASSWORD, "family secret");
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
