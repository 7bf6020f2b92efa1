// Auto-fill from the real program into windows of other processes: the global hot key opens the
// chooser on the passcard last used for that window, and OK pastes its login and password there;
// the passphrase monitor fills the agent's prompt and nothing that only looks like it.
#include "core/EncryptedDatabase.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/LoadResult.h"
#include "core/Passcard.h"
#include "resources/resource.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "tests/support/SampleDatabases.h"
#include "tests/e2e/ProgramFixture.h"
#include "tests/support/win32/GuiDriver.h"
#include "tests/support/win32/PromptProgram.h"
#include "tests/support/win32/Win32TestWindows.h"

namespace vaultlet::e2e {
namespace {

class AutofillTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        m_home = MakeDatabase("home.kvtdat", "Home");
        EncryptedDatabase database;
        database.SetPassword("secret");
        ASSERT_EQ(database.Load(m_home), LoadResult::Loaded);
        auto passcard = test::MakePasscard("Shop", {{ItemType::Login, "buyer"}, {ItemType::Password, "pa55 w0rd"}});
        passcard->SetUseAutofill(true);
        passcard->SetWindow("Log in"); // the test form's title
        database.At(1)->Add(std::move(passcard));
        ASSERT_TRUE(database.Save());
        Settings::WriteList(setting::kDataBaseList, {m_home});
    }

    std::string m_home;
};

TEST_F(AutofillTest, TheHotKeyPastesTheChosenPasscardIntoAnotherProgramsForm) {
    std::unique_ptr<RunningProgram> program;
    const HWND main = StartAndLogIn(program);
    ASSERT_NE(main, nullptr);

    test::WindowThread form([] { return test::CreateLoginForm(); });
    ASSERT_TRUE(form.BringToFront());
    test::PressHotKey();
    const HWND chooser = program->WaitForDialogWithControl(IDC_AUTOFILL_TREE);
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(test::IsItemEnabled(chooser, IDOK)) << "the passcard used for this window is chosen";
    test::Click(chooser, IDOK);
    EXPECT_TRUE(test::WaitUntil([&] { return test::TextOf(form.Control(test::kPasswordEditId)) == "pa55 w0rd"; }))
        << test::TextOf(form.Control(test::kPasswordEditId));
    EXPECT_EQ(test::TextOf(form.Control(test::kLoginEditId)), "buyer");

    // The passcard now remembers the window: closing asks to save that.
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(AnswerMessageBox(*program, IDNO), Text(IDS_SAVE_BEFORE_CLOSING));
    ASSERT_TRUE(program->WaitForExit());
}

// A browser page can take the title of a passphrase prompt, and any program can show a dialog
// exactly like one: only the agent's own program gets the passphrase. The monitor's timer is run
// by hand, so each prompt is examined while it is in front.
TEST_F(AutofillTest, TheMonitorFillsTheAgentsPromptButNotALookAlikeOfAnotherProgram) {
    EncryptedDatabase database;
    database.SetPassword("secret");
    ASSERT_EQ(database.Load(m_home), LoadResult::Loaded);
    auto keys = test::MakePasscard("Keys", {{ItemType::KeyPassphrase, "pass phrase"}});
    keys->At(0)->SetMeta("mykey");
    database.At(1)->Add(std::move(keys));
    ASSERT_TRUE(database.Save());
    Settings::Write(setting::kMonitor, 1);
    // Typed key by key: the stand-in prompts are windows that Wine does not hand to a window
    // manager, and a modifier pressed just as such a window gets the X focus can be lost.
    Settings::Write(setting::kAutofillFromClipboard, 0);
    std::unique_ptr<RunningProgram> program;
    const HWND main = StartAndLogIn(program);
    ASSERT_NE(main, nullptr);

    const test::PromptProgram lookalike(VAULTLET_PROMPT_HARNESS_PATH, "keyprompt.exe", "mykey");
    ASSERT_TRUE(lookalike.BringToFront());
    SendMessageA(main, WM_TIMER, TIMER_WINDOW_MONITOR, 0);
    const test::PromptProgram pageant(VAULTLET_PROMPT_HARNESS_PATH, "pageant.exe", "mykey");
    ASSERT_TRUE(pageant.BringToFront());
    SendMessageA(main, WM_TIMER, TIMER_WINDOW_MONITOR, 0);
    EXPECT_TRUE(test::WaitUntil([&] { return pageant.EditText() == "pass phrase"; })) << pageant.EditText();
    // Whatever was typed into the look-alike was in its queue before the agent's prompt came forward.
    EXPECT_EQ(lookalike.EditText(), "");
}

} // namespace
} // namespace vaultlet::e2e
