#include "shell/win32/login/CreateNewDatabase.h"
#include "shell/win32/login/NewDatabaseDialog.h"

#include "core/crypto/CipherRegistry.h"
#include "resources/resource.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "tests/shell/win32/DialogCheckFixture.h"
#include "tests/support/TestData.h"
#include "tests/support/win32/GuiDriver.h"

#include <fstream>

namespace vaultlet {
namespace {

using test::Click;
using test::SetItemTextOf;
using test::Text;
using Texts = std::vector<std::string>;

bool IsDetails(HWND window) {
    return test::HasControl(window, IDC_NEWDB_CONFIRM);
}

bool IsKeyboard(HWND window) {
    return test::HasControl(window, IDC_VKEY_SPACE);
}

bool IsGenerator(HWND window) {
    return test::HasControl(window, IDC_GENERATOR_GENERATE);
}

using NewDatabaseDialogTest = test::DialogCheckFixture;

TEST_F(NewDatabaseDialogTest, ChecksNamePasswordAndConfirmationInThatOrder) {
    NewDatabaseDialog dialog("my.vault");
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    const HWND window = run.WaitForDialogWhere(IsDetails);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::ItemTextOf(window, IDC_NEWDB_NAME), "my.vault");
    const CipherRegistry ciphers;
    EXPECT_EQ(test::ComboItemsOf(window, IDC_NEWDB_CIPHER).size(), static_cast<std::size_t>(ciphers.Count()));
    EXPECT_EQ(test::ComboSelectionOf(window, IDC_NEWDB_CIPHER), 0) << "AES-256 first";

    // Every rule is broken: the name is reported first.
    ExpectRefused(window, {{IDC_NEWDB_NAME, L""}, {IDC_NEWDB_CONFIRM, L"x"}}, IDS_INVALID_DATABASE_NAME,
                  IDC_NEWDB_NAME);
    ExpectRefused(window, {{IDC_NEWDB_NAME, L"Family"}}, IDS_INVALID_PASSWORD, IDC_NEWDB_PASSWORD);
    ExpectRefused(window, {{IDC_NEWDB_PASSWORD, L"one"}, {IDC_NEWDB_CONFIRM, L"One"}}, IDS_PASSWORDS_DIFFER,
                  IDC_NEWDB_CONFIRM);
    // Text the code page cannot hold: the name would be stored changed, every password hash as "?".
    if (GetACP() != CP_UTF8) {
        ExpectRefused(window, {{IDC_NEWDB_NAME, test::kNotInCodePage}}, IDS_TEXT_NOT_EXACT, IDC_NEWDB_NAME);
        ExpectRefused(window,
                      {{IDC_NEWDB_NAME, L"Family"},
                       {IDC_NEWDB_PASSWORD, test::kNotInCodePage},
                       {IDC_NEWDB_CONFIRM, test::kNotInCodePage}},
                      IDS_PASSWORD_NOT_EXACT, IDC_NEWDB_PASSWORD);
        SetItemTextOf(window, IDC_NEWDB_PASSWORD, "one");
    }
    SetItemTextOf(window, IDC_NEWDB_CONFIRM, "one");
    test::ChooseComboItem(window, IDC_NEWDB_CIPHER, 2);
    Click(window, IDOK);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.Result(), IDOK);
    EXPECT_EQ(dialog.Name(), "Family");
    EXPECT_EQ(dialog.Password(), "one");
    EXPECT_EQ(dialog.CipherId(), ciphers.At(2)->Id());
}

TEST_F(NewDatabaseDialogTest, TheGeneratorFillsThePasswordAndTheConfirmationsKeyboardTypesIntoIt) {
    NewDatabaseDialog dialog("Generated");
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    const HWND window = run.WaitForDialogWhere(IsDetails);
    ASSERT_NE(window, nullptr);

    Click(window, IDC_NEWDB_GENERATOR);
    const HWND generator = run.WaitForDialogWhere(IsGenerator);
    ASSERT_NE(generator, nullptr);
    const std::string generated = test::ItemTextOf(generator, IDC_GENERATOR_PASSWORD);
    ASSERT_FALSE(generated.empty());
    Click(generator, IDOK);
    ASSERT_TRUE(test::WaitUntil([&] { return test::ItemTextOf(window, IDC_NEWDB_PASSWORD) == generated; }));

    // The confirmation's keyboard types into the confirmation only.
    Click(window, IDC_NEWDB_CONFIRM_KEYBOARD);
    const HWND keyboard = run.WaitForDialogWhere(IsKeyboard);
    ASSERT_NE(keyboard, nullptr);
    Click(keyboard, IDC_VKEY_ROW2_FIRST);
    ASSERT_TRUE(test::WaitUntil([&] { return test::ItemTextOf(window, IDC_NEWDB_CONFIRM) == "q"; }));
    EXPECT_EQ(test::ItemTextOf(window, IDC_NEWDB_PASSWORD), generated);

    SetItemTextOf(window, IDC_NEWDB_CONFIRM, generated);
    Click(window, IDOK);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.Result(), IDOK);
    EXPECT_EQ(dialog.Password(), generated);
    EXPECT_FALSE(IsWindow(keyboard));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(NewDatabaseDialogTest, CancellingTheDetailsCreatesNothing) {
    DatabaseList list(Folders());
    std::unique_ptr<EncryptedDatabase> created;
    test::ModalThread run([&] {
        created = CreateNewDatabase(nullptr, list);
        return 0;
    });
    const HWND save = run.WaitForDialogWhere(test::IsFileDialog);
    ASSERT_NE(save, nullptr);
    const std::string path = DocumentsFile("Cancelled.kvtdat");
    test::TypeFileName(save, path);
    const HWND details = run.WaitForDialogWhere(IsDetails);
    ASSERT_NE(details, nullptr);
    Click(details, IDCANCEL);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(created, nullptr);
    EXPECT_FALSE(std::ifstream(path).good());
    EXPECT_TRUE(Settings::ReadList(setting::kDataBaseList).empty());
}

TEST_F(NewDatabaseDialogTest, AFailedSaveIsReportedAndNothingIsListed) {
    // The target exists and another program holds it: the new file cannot take its place.
    const std::string path = MakeDatabase(DocumentsFile("Held.kvtdat"), "Held");
    const std::string before = test::ReadFileBytes(path);
    const HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    DatabaseList list(Folders());
    std::unique_ptr<EncryptedDatabase> created;
    test::ModalThread run([&] {
        created = CreateNewDatabase(nullptr, list);
        return 0;
    });
    const HWND save = run.WaitForDialogWhere(test::IsFileDialog);
    ASSERT_NE(save, nullptr);
    test::TypeFileName(save, path);
    // The system asks before it lets an existing file be replaced.
    const HWND overwrite = run.WaitForDialogWhere([](HWND w) { return !test::IsFileDialog(w) && !IsDetails(w); });
    ASSERT_NE(overwrite, nullptr);
    Click(overwrite, IDYES);
    const HWND details = run.WaitForDialogWhere(IsDetails);
    ASSERT_NE(details, nullptr);
    SetItemTextOf(details, IDC_NEWDB_PASSWORD, "pw");
    SetItemTextOf(details, IDC_NEWDB_CONFIRM, "pw");
    Click(details, IDOK);
    ASSERT_TRUE(run.WaitForEnd(30000));
    CloseHandle(holder);

    EXPECT_EQ(created, nullptr);
    EXPECT_EQ(Messages(), Texts{Text(IDS_SAVE_NEW_DATABASE_FAILED)});
    EXPECT_TRUE(Settings::ReadList(setting::kDataBaseList).empty());
    EXPECT_TRUE(test::ReadFileBytes(path) == before) << "the file that was there is untouched";
}

} // namespace
} // namespace vaultlet
