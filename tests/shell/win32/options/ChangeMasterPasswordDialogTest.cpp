#include "shell/win32/options/ChangeMasterPasswordDialog.h"

#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "tests/shell/win32/DialogCheckFixture.h"
#include "tests/support/win32/GuiDriver.h"

namespace vaultlet {
namespace {

using test::Click;
using test::SetItemTextOf;
using test::Text;

bool IsChangePassword(HWND window) {
    return test::HasControl(window, IDC_CHANGEPW_CONFIRM);
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

using ChangeMasterPasswordDialogTest = test::DialogCheckFixture;

TEST_F(ChangeMasterPasswordDialogTest, RejectsEmptyWrongAndMismatchedPasswordsThenTheNewOneReachesTheFileOnSave) {
    const std::string path = MakeDatabase(DocumentsFile("Home.kvtdat"), "Home");
    EncryptedDatabase database;
    ASSERT_EQ(Open(database, path, "secret"), LoadResult::Loaded);
    ChangeMasterPasswordDialog dialog(database);
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    const HWND window = run.WaitForDialogWhere(IsChangePassword);
    ASSERT_NE(window, nullptr);

    // One empty field is enough, even with the right password; every rejection focuses the old one.
    ExpectRefused(window, {{IDC_CHANGEPW_OLD, L"secret"}, {IDC_CHANGEPW_NEW, L"fresh"}}, IDS_INVALID_PASSWORD,
                  IDC_CHANGEPW_OLD);
    ExpectRefused(window, {{IDC_CHANGEPW_OLD, L"Secret"}, {IDC_CHANGEPW_CONFIRM, L"fresh"}}, IDS_INVALID_PASSWORD,
                  IDC_CHANGEPW_OLD);
    ExpectRefused(window, {{IDC_CHANGEPW_OLD, L"secret"}, {IDC_CHANGEPW_CONFIRM, L"Fresh"}}, IDS_PASSWORDS_DIFFER,
                  IDC_CHANGEPW_OLD);
    if (GetACP() != CP_UTF8) {
        ExpectRefused(window, {{IDC_CHANGEPW_NEW, test::kNotInCodePage}, {IDC_CHANGEPW_CONFIRM, test::kNotInCodePage}},
                      IDS_PASSWORD_NOT_EXACT, IDC_CHANGEPW_OLD);
    }
    EXPECT_FALSE(ModifiedFlag::IsRaised()) << "a rejection changes nothing";

    SetItemTextOf(window, IDC_CHANGEPW_NEW, "correct horse");
    SetItemTextOf(window, IDC_CHANGEPW_CONFIRM, "correct horse");
    Click(window, IDOK);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.Result(), IDOK);
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

    SetItemTextOf(window, IDC_CHANGEPW_CONFIRM, generated);
    Click(window, IDOK);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.Result(), IDOK);
    EXPECT_TRUE(database.CheckPassword(generated));
    EXPECT_FALSE(ModifiedFlag::IsRaised());
}

} // namespace
} // namespace vaultlet
