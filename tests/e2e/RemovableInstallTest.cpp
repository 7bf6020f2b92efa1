#include "resources/resource.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/SettingsLocation.h"
#include "shell/TextFormat.h"
#include "tests/e2e/ProgramFixture.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestData.h"
#include "tests/support/win32/GuiDriver.h"

#include <filesystem>

namespace vaultlet::e2e {
namespace {

// The install's default folder on the removable drive R: of the test prefix (scripts/lib/wine-env.sh).
const std::string kFolder = "R:\\Passwords";

class RemovableInstallTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        RemoveFolder();
    }
    void TearDown() override {
        RemoveFolder();
        ProgramFixture::TearDown();
    }
    static void RemoveFolder() {
        std::error_code error;
        std::filesystem::remove_all(kFolder, error);
    }
};

TEST_F(RemovableInstallTest, TheCopyOnTheDriveKeepsItsSettingsBesideItselfAndOpensItsDatabase) {
    const std::string home = MakeDatabase("home.kvtdat", "Home");
    Settings::WriteList(setting::kDataBaseList, {home});
    // An earlier install left its files there: they are replaced without a question.
    std::filesystem::create_directories(kFolder);
    ASSERT_TRUE(test::WriteFileBytes(kFolder + "\\passwords_db.kvtdat", "an earlier copy"));
    ASSERT_TRUE(test::WriteFileBytes(kFolder + "\\Vaultlet.ini", "[earlier]"));
    // Installed from the program on the first drive offered, into the default folder.
    std::unique_ptr<RunningProgram> program;
    const HWND main = StartAndLogIn(program);
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_COMMAND, ID_FILE_INSTALL_REMOVABLE, 0);
    const HWND dialog = program->WaitForDialogWithControl(IDC_INSTALL_DRIVE);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(test::ComboItemsOf(dialog, IDC_INSTALL_DRIVE)[0], "VAULTTEST (R:)");
    test::Click(dialog, IDOK);
    EXPECT_EQ(AnswerMessageBox(*program), FormatText(Text(IDS_INSTALL_SUCCEEDED), {"R:\\", "Passwords"}));
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program->WaitForExit());
    EXPECT_NE(test::ReadFileBytes(kFolder + "\\Vaultlet.ini"), "[earlier]");
    const std::string lastSelected = Settings::Read(setting::kLastSelected);

    // Started like any program, without "-c": it finds the settings beside it and, being on a
    // removable drive, prefers the database beside it over the one last opened.
    const auto portable = StartExecutable(kFolder + "\\Vaultlet.exe");
    const HWND login = portable->WaitForLogin();
    ASSERT_NE(login, nullptr);
    const std::vector<std::string> databases = test::ComboItemsOf(login, IDC_LOGIN_DATABASE);
    const int selected = test::ComboSelectionOf(login, IDC_LOGIN_DATABASE);
    ASSERT_GE(selected, 0);
    ASSERT_LT(selected, static_cast<int>(databases.size()));
    EXPECT_EQ(databases[static_cast<std::size_t>(selected)], "Home (Removable) [passwords_db.kvtdat]");
    LogIn(login, "secret");
    const HWND portableMain = portable->WaitForMainWindow();
    ASSERT_NE(portableMain, nullptr) << "the copy opens with the same password";
    PostMessageA(portableMain, WM_CLOSE, 0, 0);
    ASSERT_TRUE(portable->WaitForExit());

    EXPECT_EQ(Settings::Read(setting::kLastSelected), lastSelected) << "the computer's settings are left alone";
    SettingsLocation::Set(kFolder + "\\Vaultlet.ini");
    EXPECT_EQ(Settings::Read(setting::kLastSelected), kFolder + "\\passwords_db.kvtdat");
}

} // namespace
} // namespace vaultlet::e2e
