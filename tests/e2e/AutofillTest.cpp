// Auto-fill from the real program into a window of another process: the global hot key opens the
// chooser on the passcard last used for that window, and OK pastes its login and password there.
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

} // namespace
} // namespace vaultlet::e2e
