// When each automatic lock is due is MainWindowRulesTest's and IdleLockTest's.
#include "core/EncryptedDatabase.h"
#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/system/InputClock.h"
#include "tests/shell/win32/mainframe/MainFrameFixture.h"

#include <wtsapi32.h>

#include <atomic>

namespace vaultlet {
namespace {

using test::Click;
using test::Text;

constexpr std::uint32_t kMinute = 60 * 1000;

class AutomaticLockTest : public test::MainFrameFixture {
protected:
    void TearDown() override {
        MainFrameFixture::TearDown();
        InputClock::SetSource(nullptr);
    }
    static std::string OpenComment() { return std::string(CurrentDatabase::Get()->Comment().Viewed()); }
};

TEST_F(AutomaticLockTest, MinimizingLocksWhateverBecomesOfTheSaveAndAfterAnOpenDialog) {
    Settings::Write(setting::kAutoLogOff, 1);
    Start();
    // Cancel at the lock's save question: locked all the same, the changes kept in memory.
    TypeNote("kept in memory");
    SetAnswer(IDCANCEL);
    Post(WM_SYSCOMMAND, SC_MINIMIZE);
    ExpectMessage(Text(IDS_SAVE_BEFORE_LOCKING));
    HWND login = WaitForLock();
    ASSERT_NE(login, nullptr);
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    EXPECT_EQ(CommentOnDisk(m_path), "");
    ASSERT_TRUE(Unlock(login));
    EXPECT_EQ(OpenComment(), "kept in memory");

    // Minimised under a dialog: the lock follows the dialog.
    Command(ID_FILE_CHANGE_MASTER_PASSWORD);
    const HWND dialog = DialogWith(IDC_CHANGEPW_OLD);
    ASSERT_NE(dialog, nullptr);
    Send(WM_SYSCOMMAND, SC_MINIMIZE);
    ShowWindow(m_frame, SW_RESTORE);
    EXPECT_NE(CurrentDatabase::Get(), nullptr);
    EXPECT_EQ(TreeText(Root()), "Home") << "not locked under the dialog";
    Click(dialog, IDCANCEL);
    login = WaitForLock();
    ASSERT_NE(login, nullptr) << "locked once the dialog ended";
    EXPECT_EQ(TreeView_GetCount(m_tree), 0u);
    ASSERT_TRUE(Unlock(login));
    EXPECT_EQ(Messages().size(), 1u) << "the lock after the dialog asks nothing";
}

TEST_F(AutomaticLockTest, BeingAwayLocksAfterTheMinutesWithoutInputAndWhenWindowsLocksTheSession) {
    Settings::Write(setting::kLockWhenIdle, 1);
    Settings::Write(setting::kLockIdleMinutes, 5);
    constexpr std::uint32_t kNow = 7 * kMinute;
    std::atomic<std::uint32_t> idle{0};
    InputClock::SetSource([&] { return InputClock::Reading{kNow, kNow - idle.load()}; });
    Start();
    TypeNote("typed before leaving");

    idle = 5 * kMinute;
    Post(WM_TIMER, TIMER_IDLE_LOCK);
    HWND login = WaitForLock();
    ASSERT_NE(login, nullptr);
    EXPECT_TRUE(ModifiedFlag::IsRaised()) << "kept in memory";
    EXPECT_EQ(CommentOnDisk(m_path), "");
    idle = 0;
    ASSERT_TRUE(Unlock(login));
    EXPECT_EQ(OpenComment(), "typed before leaving");

    Send(WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK);
    EXPECT_TRUE(IsWindowVisible(m_frame));
    Post(WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK);
    login = WaitForLock();
    ASSERT_NE(login, nullptr);
    ASSERT_TRUE(Unlock(login));
    EXPECT_TRUE(Messages().empty()) << "nobody is asked anything while away";
}

} // namespace
} // namespace vaultlet
