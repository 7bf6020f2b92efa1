// The login itself is every other end-to-end test's first step; its rules are LoginDialogTest's.
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
using test::SetItemTextOf;
using Texts = std::vector<std::string>;

using LoginFlowTest = ProgramFixture;

TEST_F(LoginFlowTest, ADatabaseBesideTheProgramIsAlwaysListedAndSurvivesClearAll) {
    MakeDatabase(m_copy.File("local.kvtdat"), "Local");
    Settings::WriteList(setting::kDataBaseList, {MakeDatabase("home.kvtdat", "Home")});

    const auto program = m_copy.Start();
    const HWND login = program->WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(ComboItemsOf(login, IDC_LOGIN_DATABASE),
              (Texts{"<New...>", "Local [local.kvtdat]", "Home [home.kvtdat]"}));

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

// The search a first start runs before the login is LoginDialogTest's.
TEST_F(LoginFlowTest, AFirstStartOffersOnlyNewWhichCreatesAndOpensADatabase) {
    const auto program = m_copy.Start();
    ASSERT_NE(program, nullptr);
    const HWND login = program->WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(ComboItemsOf(login, IDC_LOGIN_DATABASE), Texts{"<New...>"});

    ChooseComboItem(login, IDC_LOGIN_DATABASE, 0);
    const HWND save = test::WaitForDialog(program->Id(), test::IsFileDialog, 20000);
    ASSERT_NE(save, nullptr);
    const std::string path = OtherFile("Family Vault.v2.kvtdat");
    test::TypeFileName(save, path);

    const HWND details = program->WaitForDialogWithControl(IDC_NEWDB_CONFIRM);
    ASSERT_NE(details, nullptr);

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
    EXPECT_EQ(reopened.GroupCount(), 5u);
}

} // namespace
} // namespace vaultlet::e2e
