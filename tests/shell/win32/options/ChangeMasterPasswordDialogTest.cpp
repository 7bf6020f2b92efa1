// Changing the master password on real windows: the checks of OK in their order, a change that
// reaches the file only with the next save, and a database that has no file yet.
#include "shell/win32/options/ChangeMasterPasswordDialog.h"

#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/win32/GuiDriver.h"

namespace vaultlet {
namespace {

using test::Click;
using test::SetItemTextOf;
using test::Text;

bool IsChangePassword(HWND window) {
    return test::HasControl(window, IDC_CHANGEPW_CONFIRM);
}

// A click moves the focus to the button, so a rejection must bring it back.
bool FocusReturnsToOldPassword(HWND window) {
    return test::WaitUntil([&] { return test::FocusOf(window) == GetDlgItem(window, IDC_CHANGEPW_OLD); });
}

void Type(HWND window, const std::string& old, const std::string& fresh, const std::string& confirmation) {
    SetItemTextOf(window, IDC_CHANGEPW_OLD, old);
    SetItemTextOf(window, IDC_CHANGEPW_NEW, fresh);
    SetItemTextOf(window, IDC_CHANGEPW_CONFIRM, confirmation);
}

LoadResult Open(EncryptedDatabase& database, const std::string& path, const std::string& password) {
    database.SetPassword(password);
    database.SetPath(path);
    return database.Load();
}

LoadResult LoadWithPassword(const std::string& path, const std::string& password) {
    EncryptedDatabase database;
    return Open(database, path, password);
}

using ChangeMasterPasswordDialogTest = test::ShellGuiFixture;

TEST_F(ChangeMasterPasswordDialogTest, RejectsEmptyWrongAndMismatchedPasswordsThenTheNewOneReachesTheFileOnSave) {
    const std::string path = MakeDatabase(DocumentsFile("Home.kvtdat"), "Home");
    EncryptedDatabase database;
    ASSERT_EQ(Open(database, path, "secret"), LoadResult::Loaded);
    ChangeMasterPasswordDialog dialog(database);
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    const HWND window = run.WaitForDialogWhere(IsChangePassword);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::TextOf(window), Text(IDS_TITLE_CHANGE_MASTER_PASSWORD));

    // One empty field is enough, even with the right password.
    Type(window, "secret", "fresh", "");
    Click(window, IDOK);
    ASSERT_TRUE(WaitForMessages(1));
    EXPECT_TRUE(FocusReturnsToOldPassword(window));

    Type(window, "Secret", "fresh", "fresh");
    Click(window, IDOK);
    ASSERT_TRUE(WaitForMessages(2));
    EXPECT_TRUE(FocusReturnsToOldPassword(window));
    EXPECT_EQ(test::ItemTextOf(window, IDC_CHANGEPW_OLD), "") << "a wrong password is not kept";
    EXPECT_EQ(test::ItemTextOf(window, IDC_CHANGEPW_NEW), "fresh");

    Type(window, "secret", "fresh", "Fresh");
    Click(window, IDOK);
    ASSERT_TRUE(WaitForMessages(3));
    EXPECT_TRUE(FocusReturnsToOldPassword(window));
    EXPECT_EQ(Messages(), (std::vector<std::string>{Text(IDS_INVALID_PASSWORD), Text(IDS_INVALID_PASSWORD),
                                                    Text(IDS_PASSWORDS_DIFFER)}));
    EXPECT_TRUE(IsWindowVisible(window)) << "a rejection keeps the dialog open";
    EXPECT_FALSE(ModifiedFlag::IsRaised()) << "and changes nothing";

    Type(window, "secret", "correct horse", "correct horse");
    Click(window, IDOK);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.Result(), IDOK);
    EXPECT_EQ(Messages().size(), 3u);
    EXPECT_TRUE(database.CheckPassword("correct horse"));
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    EXPECT_EQ(LoadWithPassword(path, "secret"), LoadResult::Loaded) << "unsaved, the file keeps the old password";

    ASSERT_TRUE(database.Save());
    EXPECT_EQ(LoadWithPassword(path, "correct horse"), LoadResult::Loaded);
    EXPECT_EQ(LoadWithPassword(path, "secret"), LoadResult::WrongPassword);
}

TEST_F(ChangeMasterPasswordDialogTest, AGeneratedPasswordForADatabaseWithoutAFileLeavesTheFlagDown) {
    EncryptedDatabase database;
    database.SetPassword("secret");
    ModifiedFlag::Clear();
    ChangeMasterPasswordDialog dialog(database);
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    const HWND window = run.WaitForDialogWhere(IsChangePassword);
    ASSERT_NE(window, nullptr);
    SetItemTextOf(window, IDC_CHANGEPW_OLD, "secret");

    Click(window, IDC_CHANGEPW_GENERATOR);
    const HWND generator = run.WaitForDialogWhere([](HWND w) { return test::HasControl(w, IDC_GENERATOR_GENERATE); });
    ASSERT_NE(generator, nullptr);
    const std::string generated = test::ItemTextOf(generator, IDC_GENERATOR_PASSWORD);
    Click(generator, IDOK);
    ASSERT_TRUE(test::WaitUntil([&] { return test::ItemTextOf(window, IDC_CHANGEPW_NEW) == generated; }));
    EXPECT_EQ(test::ItemTextOf(window, IDC_CHANGEPW_OLD), "secret");
    EXPECT_EQ(test::ItemTextOf(window, IDC_CHANGEPW_CONFIRM), "");

    SetItemTextOf(window, IDC_CHANGEPW_CONFIRM, generated);
    Click(window, IDOK);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.Result(), IDOK);
    EXPECT_TRUE(database.CheckPassword(generated));
    EXPECT_FALSE(ModifiedFlag::IsRaised());
}

} // namespace
} // namespace vaultlet
