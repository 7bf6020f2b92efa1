// Choosing the cipher of an open database on real windows: the list and its preselection, a change
// that the next save writes, and OK without a choice.
#include "shell/win32/DatabaseSettingsDialog.h"

#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "services/BuiltinStringTable.h"
#include "tests/support/win32/GuiDriver.h"
#include "tests/win32/shell/ShellGuiFixture.h"

#include <algorithm>
#include <memory>

namespace vaultlet {
namespace {

using Texts = std::vector<std::string>;

bool IsSettings(HWND window) {
    return test::HasControl(window, IDC_DBSETTINGS_CIPHER);
}

class DatabaseSettingsDialogTest : public test::ShellGuiFixture {
protected:
    // A database file of that cipher, opened; the modified flag is down.
    std::unique_ptr<EncryptedDatabase> OpenWithCipher(int cipherId) {
        const std::string path =
            MakeDatabase(DocumentsFile("Cipher" + std::to_string(cipherId) + ".kvtdat"), "Home", "secret", cipherId);
        auto database = std::make_unique<EncryptedDatabase>();
        database->SetPassword("secret");
        database->SetPath(path);
        EXPECT_EQ(database->Load(), LoadResult::Loaded);
        EXPECT_FALSE(ModifiedFlag::IsRaised());
        return database;
    }

    const CipherRegistry m_ciphers;
};

TEST_F(DatabaseSettingsDialogTest, ListsEveryCipherWithTheFilesOneSelected) {
    Texts names;
    for (int i = 0; i < m_ciphers.Count(); ++i) {
        names.emplace_back(m_ciphers.At(i)->Name());
    }
    for (int i = 0; i < m_ciphers.Count(); ++i) {
        const auto database = OpenWithCipher(m_ciphers.At(i)->Id());
        DatabaseSettingsDialog dialog(*database);
        test::ModalThread run([&] { return dialog.RunModal(nullptr); });
        const HWND window = run.WaitForDialogWhere(IsSettings);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(test::TextOf(window), BuiltinStringTable::Find(IDS_TITLE_DATABASE_SETTINGS));
        EXPECT_EQ(test::ComboItemsOf(window, IDC_DBSETTINGS_CIPHER), names);
        EXPECT_EQ(test::ComboSelectionOf(window, IDC_DBSETTINGS_CIPHER), i) << names[i];
        test::Click(window, IDCANCEL);
        ASSERT_TRUE(run.WaitForEnd());
        EXPECT_EQ(run.Result(), IDCANCEL);
    }
}

TEST_F(DatabaseSettingsDialogTest, TheChosenCipherIsWrittenByTheNextSave) {
    const Cipher& twofish = *m_ciphers.FindById(2);
    const auto database = OpenWithCipher(1);
    DatabaseSettingsDialog dialog(*database);
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    const HWND window = run.WaitForDialogWhere(IsSettings);
    ASSERT_NE(window, nullptr);
    const Texts names = test::ComboItemsOf(window, IDC_DBSETTINGS_CIPHER);
    const auto position = std::find(names.begin(), names.end(), twofish.Name());
    ASSERT_NE(position, names.end());
    test::ChooseComboItem(window, IDC_DBSETTINGS_CIPHER, static_cast<int>(position - names.begin()));
    test::Click(window, IDOK);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.Result(), IDOK);
    EXPECT_EQ(database->CipherId(), twofish.Id());
    EXPECT_TRUE(ModifiedFlag::IsRaised());

    ASSERT_TRUE(database->Save());
    std::string name;
    int cipherId = -1;
    ASSERT_TRUE(ProbeFile(database->Path(), name, cipherId));
    EXPECT_EQ(cipherId, twofish.Id());
    EncryptedDatabase reopened;
    reopened.SetPassword("secret");
    EXPECT_EQ(reopened.Load(database->Path()), LoadResult::Loaded);
}

TEST_F(DatabaseSettingsDialogTest, OkWithoutAChoiceChangesNothing) {
    const auto database = OpenWithCipher(3);
    DatabaseSettingsDialog dialog(*database);
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    const HWND window = run.WaitForDialogWhere(IsSettings);
    ASSERT_NE(window, nullptr);
    test::ChooseComboItem(window, IDC_DBSETTINGS_CIPHER, -1);
    ASSERT_TRUE(test::WaitUntil([&] { return test::ComboSelectionOf(window, IDC_DBSETTINGS_CIPHER) == -1; }));
    test::Click(window, IDOK);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.Result(), IDOK);
    EXPECT_EQ(database->CipherId(), 3);
    EXPECT_FALSE(ModifiedFlag::IsRaised());
}

} // namespace
} // namespace vaultlet
