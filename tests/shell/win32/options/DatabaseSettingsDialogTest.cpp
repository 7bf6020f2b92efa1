#include "shell/win32/options/DatabaseSettingsDialog.h"

#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/win32/GuiDriver.h"

#include <memory>

namespace vaultlet {
namespace {

constexpr int kTwofishId = 2;
constexpr int kBlowfishId = 3;

bool IsSettings(HWND window) {
    return test::HasControl(window, IDC_DBSETTINGS_CIPHER);
}

int PositionOf(const CipherRegistry& ciphers, int id) {
    for (int i = 0; i < ciphers.Count(); ++i) {
        if (ciphers.At(i)->Id() == id) {
            return i;
        }
    }
    return -1;
}

class DatabaseSettingsDialogTest : public test::ShellGuiFixture {
protected:
    HWND ShowFor(int cipherId) {
        const std::string path = MakeDatabase(DocumentsFile("Home.kvtdat"), "Home", "secret", cipherId);
        m_database.SetPassword("secret");
        EXPECT_EQ(m_database.Load(path), LoadResult::Loaded);
        EXPECT_FALSE(ModifiedFlag::IsRaised());
        m_run = std::make_unique<test::ModalThread>([this] { return m_dialog.RunModal(nullptr); });
        return m_run->WaitForDialogWhere(IsSettings);
    }

    EncryptedDatabase m_database;
    DatabaseSettingsDialog m_dialog{m_database};
    std::unique_ptr<test::ModalThread> m_run;
};

TEST_F(DatabaseSettingsDialogTest, OpensOnTheFilesCipherAndOkTakesTheChoice) {
    const CipherRegistry ciphers;
    std::vector<std::string> names;
    for (int i = 0; i < ciphers.Count(); ++i) {
        names.emplace_back(ciphers.At(i)->Name());
    }
    const HWND window = ShowFor(kBlowfishId);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::ComboItemsOf(window, IDC_DBSETTINGS_CIPHER), names);
    EXPECT_EQ(test::ComboSelectionOf(window, IDC_DBSETTINGS_CIPHER), PositionOf(ciphers, kBlowfishId));

    test::ChooseComboItem(window, IDC_DBSETTINGS_CIPHER, PositionOf(ciphers, kTwofishId));
    test::Click(window, IDOK);
    ASSERT_TRUE(m_run->WaitForEnd());
    EXPECT_EQ(m_run->Result(), IDOK);
    EXPECT_EQ(m_database.CipherId(), kTwofishId);
    EXPECT_TRUE(ModifiedFlag::IsRaised()) << "so the next save writes it";
}

} // namespace
} // namespace vaultlet
