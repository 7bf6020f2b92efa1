// The real program after the login. The rules of each flow are the main window's GUI tests'
// (MainFrameTest, ChangedOnDiskTest, SessionEndTest).
#include "core/TextConversion.h"
#include "resources/resource.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/TextFormat.h"
#include "tests/e2e/ProgramFixture.h"
#include "tests/support/DatabaseFiles.h"
#include "tests/support/win32/GuiDriver.h"

#include <commctrl.h>

namespace vaultlet::e2e {
namespace {

class MainWindowTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        m_home = MakeDatabase("home.kvtdat", "Home");
        Settings::WriteList(setting::kDataBaseList, {m_home});
    }

    std::string m_home;
};

// A second start while the database is locked shows the login, not the data.
TEST_F(MainWindowTest, TheDatabaseOpensInTheMainWindowStaysLockedAndAChangedNoteIsSavedOnYes) {
    // Chosen on a system that shows Cyrillic letters; this one (code page 1252) would show every
    // text as question marks, so the program speaks English and keeps the choice.
    const bool cyrillicShown = IsExactInAnsi(u"\x0416");
    Settings::Write(setting::kLanguage, "Russian");
    std::unique_ptr<RunningProgram> program;
    const HWND main = StartAndLogIn(program);
    ASSERT_NE(main, nullptr);
    if (!cyrillicShown) {
        EXPECT_EQ(test::ItemTextOf(main, IDC_MAIN_TREE_TITLE), Text(IDS_PANE_TREE));
    }
    EXPECT_EQ(Settings::Read(setting::kLanguage), "Russian");
    const HWND tree = GetDlgItem(main, IDC_MAIN_TREE);
    EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 6) << "the database and its five groups";

    PostMessageA(main, WM_COMMAND, ID_FILE_LOCK, 0);
    const HWND login = program->WaitForLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));
    const auto second = m_copy.Start();
    ASSERT_TRUE(second->WaitForExit());
    EXPECT_TRUE(IsWindowVisible(login));
    EXPECT_FALSE(IsWindowVisible(main)) << "the database stays behind its password";
    LogIn(login, "secret");
    ASSERT_EQ(program->WaitForMainWindow(), main);

    SendMessageW(GetDlgItem(main, IDC_MAIN_NOTE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"remember the milk"));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(AnswerMessageBox(*program, IDYES), Text(IDS_SAVE_BEFORE_CLOSING));
    ASSERT_TRUE(program->WaitForExit());
    EXPECT_EQ(program->ExitCode(), 0u);
    EXPECT_EQ(test::CommentOnDisk(m_home), "remember the milk");
}

// What an end of the session writes where is SessionEndTest's; the next start names the copy it
// wrote, once.
TEST_F(MainWindowTest, TheNextStartNamesTheRecoveryCopyAnEndOfTheSessionLeft) {
    const std::string copy = OtherFile("Home recovered.kvtdat");
    Settings::Write(setting::kRecoveryCopy, copy);
    const auto next = m_copy.Start();
    EXPECT_EQ(AnswerMessageBox(*next), FormatText(Text(IDS_RECOVERY_COPY_WRITTEN), {copy}));
    ASSERT_NE(next->WaitForLogin(), nullptr);
    EXPECT_EQ(Settings::Read(setting::kRecoveryCopy), "");
}

} // namespace
} // namespace vaultlet::e2e
