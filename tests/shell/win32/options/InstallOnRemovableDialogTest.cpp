// Installing on the removable drives of the test prefix (scripts/lib/wine-env.sh makes R:, labelled
// VAULTTEST, and S:, without a label) on real windows: the drives offered, OK without a drive, the
// report of a step that failed, and an install that the drive cannot take. A whole install over an
// earlier one, and the copy it leaves, are RemovableInstallTest's (tests/e2e).
#include "shell/win32/options/InstallOnRemovableDialog.h"

#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "shell/TextFormat.h"
#include "shell/win32/options/Win32InstallSystem.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestData.h"
#include "tests/support/win32/GuiDriver.h"

#include <filesystem>

namespace vaultlet {
namespace {

using test::Text;
using test::WaitUntil;

// A folder on R: that only this test uses.
const std::string kTestFolder = "R:\\InstallDialogTest";

bool IsInstall(HWND window) {
    return test::HasControl(window, IDC_INSTALL_DRIVE);
}

class InstallOnRemovableDialogTest : public test::ShellGuiFixture {
protected:
    void SetUp() override {
        ShellGuiFixture::SetUp();
        RemoveTestFolder();
        m_path = MakeDatabase(DocumentsFile("Home.kvtdat"), "Home");
        m_database.SetPassword("secret");
        ASSERT_EQ(m_database.Load(m_path), LoadResult::Loaded);
    }
    void TearDown() override {
        RemoveTestFolder();
        ModifiedFlag::Clear();
        ShellGuiFixture::TearDown();
    }
    static void RemoveTestFolder() {
        std::error_code error;
        std::filesystem::remove_all(kTestFolder, error);
    }
    // Chooses a drive and waits until the dialog has it, so everything posted before was handled.
    static void ChooseDrive(HWND window, int index) {
        test::ChooseComboItem(window, IDC_INSTALL_DRIVE, index);
        ASSERT_TRUE(WaitUntil([&] { return test::ComboSelectionOf(window, IDC_INSTALL_DRIVE) == index; }));
    }

    std::string m_path;
    EncryptedDatabase m_database;
};

TEST_F(InstallOnRemovableDialogTest, OffersTheRemovableDrivesAndAFailedStepKeepsTheDialogOpen) {
    Win32InstallSystem system;
    const std::vector<RemovableDrive> drives = ListRemovableDrives(system, Text(IDS_REMOVABLE_DISK));
    std::vector<std::string> texts;
    for (const RemovableDrive& drive : drives) {
        texts.push_back(drive.text);
    }
    ASSERT_EQ(texts, (std::vector<std::string>{"VAULTTEST (R:)", "Removable disk (S:)"}))
        << "the test prefix's removable drives";

    InstallOnRemovableDialog dialog(&m_database, drives);
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    const HWND window = run.WaitForDialogWhere(IsInstall);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::ComboItemsOf(window, IDC_INSTALL_DRIVE), texts);
    EXPECT_EQ(test::ComboSelectionOf(window, IDC_INSTALL_DRIVE), 0);

    ChooseDrive(window, -1);
    test::Click(window, IDOK);
    ChooseDrive(window, 1);
    EXPECT_TRUE(IsWindowVisible(window)) << "OK without a drive does nothing";
    EXPECT_TRUE(Messages().empty());

    // Without a folder for temporary files nothing has happened yet: the report, and the dialog stays.
    char temporary[MAX_PATH] = {};
    GetEnvironmentVariableA("TMP", temporary, MAX_PATH);
    SetEnvironmentVariableA("TMP", (kTestFolder + "\\missing").c_str());
    test::Click(window, IDOK);
    ASSERT_TRUE(WaitForMessages(1));
    SetEnvironmentVariableA("TMP", temporary[0] != '\0' ? temporary : nullptr);
    const std::string report = Messages()[0];
    EXPECT_EQ(report.rfind(Text(IDS_INSTALL_DATABASE_STEP) + " failed with error ", 0), 0u) << report;
    EXPECT_GT(report.size(), report.find('\n') + 1) << "with the system's reason: " << report;
    EXPECT_TRUE(IsWindowVisible(window));
    test::Click(window, IDCANCEL);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(InstallOnRemovableDialogTest, AnInstallTheDriveCannotTakeIsReportedIncomplete) {
    // A file where the folder should be.
    std::filesystem::create_directories(kTestFolder);
    ASSERT_TRUE(test::WriteFileBytes(kTestFolder + "\\Blocked", "a file"));
    InstallOnRemovableDialog dialog(&m_database, {{"R:\\", "VAULTTEST (R:)"}});
    test::ModalThread run([&] { return dialog.RunModal(nullptr); });
    const HWND window = run.WaitForDialogWhere(IsInstall);
    ASSERT_NE(window, nullptr);
    test::SetItemTextOf(window, IDC_INSTALL_FOLDER, "InstallDialogTest\\Blocked");
    test::Click(window, IDOK);
    ASSERT_TRUE(run.WaitForEnd(60000));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{FormatText(Text(IDS_INSTALL_INCOMPLETE), {kTestFolder + "\\Blocked"})});
    EXPECT_EQ(test::ReadFileBytes(kTestFolder + "\\Blocked"), "a file");
    EXPECT_EQ(m_database.Name(), "Home");
    EXPECT_FALSE(ModifiedFlag::IsRaised());
}

} // namespace
} // namespace vaultlet
