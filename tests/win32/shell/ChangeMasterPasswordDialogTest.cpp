// Changing the master password on real windows: the checks of OK in their order, a change that
// reaches the file only with the next save, and a database that has no file yet.
#include "shell/win32/ChangeMasterPasswordDialog.h"

#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "services/BuiltinStringTable.h"
#include "tests/support/win32/GuiDriver.h"
#include "tests/win32/shell/ShellGuiFixture.h"

#include <memory>

namespace vaultlet {
namespace {

using test::Click;
using test::SetItemTextOf;
using Texts = std::vector<std::string>;

std::string Text(int id) {
    return BuiltinStringTable::Find(id);
}

bool IsChangePassword(HWND window) {
    return test::HasControl(window, IDC_CHANGEPW_CONFIRM);
}

bool IsGenerator(HWND window) {
    return test::HasControl(window, IDC_GENERATOR_GENERATE);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

bool FocusComesTo(HWND window, int id) {
    return test::WaitUntil([&] { return FocusOf(window) == GetDlgItem(window, id); });
}

// Moves the focus away, so that a check of where a rejection puts it means something.
void FocusOn(HWND window, int id) {
    SendMessageA(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window, id)), TRUE);
}

void TypePasswords(HWND window, const std::string& old, const std::string& fresh, const std::string& confirmation) {
    SetItemTextOf(window, IDC_CHANGEPW_OLD, old);
    SetItemTextOf(window, IDC_CHANGEPW_NEW, fresh);
    SetItemTextOf(window, IDC_CHANGEPW_CONFIRM, confirmation);
}

class ChangeMasterPasswordDialogTest : public test::ShellGuiFixture {
protected:
    // The database file "Home" with the password "secret", opened.
    std::unique_ptr<EncryptedDatabase> OpenHome() {
        m_path = MakeDatabase(DocumentsFile("Home.kvtdat"), "Home");
        auto database = std::make_unique<EncryptedDatabase>();
        EXPECT_EQ(Open(*database, "secret"), LoadResult::Loaded);
        return database;
    }

    LoadResult Open(EncryptedDatabase& database, const std::string& password) const {
        database.SetPassword(password);
        database.SetPath(m_path);
        return database.Load();
    }

    LoadResult OpenFileWith(const std::string& password) const {
        EncryptedDatabase database;
        return Open(database, password);
    }

    std::string m_path;
};

TEST_F(ChangeMasterPasswordDialogTest, RejectsEmptyWrongAndMismatchedPasswordsAndStaysOpen) {
    const auto database = OpenHome();
    ASSERT_FALSE(ModifiedFlag::IsRaised());
    ChangeMasterPasswordDialog dialog(*database);
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    const HWND window = run.WaitForDialogWhere(IsChangePassword);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::TextOf(window), Text(IDS_TITLE_CHANGE_MASTER_PASSWORD));
    EXPECT_EQ(FocusOf(window), GetDlgItem(window, IDC_CHANGEPW_OLD));

    // Any one empty field is refused before the password is even looked at.
    TypePasswords(window, "secret", "fresh", "");
    FocusOn(window, IDC_CHANGEPW_NEW);
    Click(window, IDOK);
    ASSERT_TRUE(WaitForMessages(1));
    EXPECT_TRUE(FocusComesTo(window, IDC_CHANGEPW_OLD));

    TypePasswords(window, "Secret", "fresh", "fresh");
    Click(window, IDOK);
    ASSERT_TRUE(WaitForMessages(2));
    EXPECT_TRUE(FocusComesTo(window, IDC_CHANGEPW_OLD));
    EXPECT_EQ(test::ItemTextOf(window, IDC_CHANGEPW_OLD), "") << "a wrong password is not kept";
    EXPECT_EQ(test::ItemTextOf(window, IDC_CHANGEPW_NEW), "fresh");

    // The right password with two different new ones.
    TypePasswords(window, "secret", "fresh", "Fresh");
    FocusOn(window, IDC_CHANGEPW_CONFIRM);
    Click(window, IDOK);
    ASSERT_TRUE(WaitForMessages(3));
    EXPECT_TRUE(FocusComesTo(window, IDC_CHANGEPW_OLD));
    EXPECT_EQ(Messages(), (Texts{Text(IDS_INVALID_PASSWORD), Text(IDS_INVALID_PASSWORD), Text(IDS_PASSWORDS_DIFFER)}));
    EXPECT_TRUE(IsWindowVisible(window));

    Click(window, IDCANCEL);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.Result(), IDCANCEL);
    EXPECT_TRUE(database->CheckPassword("secret"));
    EXPECT_FALSE(ModifiedFlag::IsRaised());
}

TEST_F(ChangeMasterPasswordDialogTest, TheNewPasswordReachesTheFileWithTheNextSave) {
    const auto database = OpenHome();
    ChangeMasterPasswordDialog dialog(*database);
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    const HWND window = run.WaitForDialogWhere(IsChangePassword);
    ASSERT_NE(window, nullptr);
    TypePasswords(window, "secret", "correct horse", "correct horse");
    Click(window, IDOK);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.Result(), IDOK);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(database->CheckPassword("correct horse"));
    EXPECT_FALSE(database->CheckPassword("secret"));
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    EXPECT_EQ(OpenFileWith("secret"), LoadResult::Loaded) << "unsaved, the file keeps the old password";

    ASSERT_TRUE(database->Save());
    EXPECT_EQ(OpenFileWith("correct horse"), LoadResult::Loaded);
    EXPECT_EQ(OpenFileWith("secret"), LoadResult::WrongPassword);
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
    const HWND generator = run.WaitForDialogWhere(IsGenerator);
    ASSERT_NE(generator, nullptr);
    const std::string generated = test::ItemTextOf(generator, IDC_GENERATOR_PASSWORD);
    ASSERT_FALSE(generated.empty());
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
