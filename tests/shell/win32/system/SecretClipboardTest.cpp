// The secret clipboard on the real clipboard: the ticks of the countdown are driven by calling
// OnTimer, so no test waits for a second to pass.
#include "shell/win32/system/SecretClipboard.h"

#include "resources/resource.h"
#include "shell/Settings.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/win32/ClipboardContents.h"
#include "tests/support/win32/Win32TestWindows.h"

#include <gtest/gtest.h>

#include <thread>
#include <utility>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

constexpr UINT_PTR kTimerId = TIMER_CLIPBOARD_COUNTDOWN;

// Another program holding the clipboard open (from a thread of its own) until Release.
class ClipboardHolder {
public:
    ClipboardHolder()
        : m_opened(CreateEventW(nullptr, TRUE, FALSE, nullptr)), m_release(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          m_thread([this] { Hold(); }) {
        WaitForSingleObject(m_opened, 10000);
    }
    ~ClipboardHolder() {
        Release();
        CloseHandle(m_opened);
        CloseHandle(m_release);
    }

    bool IsHolding() const { return m_holding; }
    void Release() {
        SetEvent(m_release);
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }

private:
    void Hold() {
        m_holding = OpenClipboard(nullptr) != FALSE;
        SetEvent(m_opened);
        WaitForSingleObject(m_release, 10000);
        if (m_holding) {
            CloseClipboard();
        }
    }

    HANDLE m_opened;
    HANDLE m_release;
    bool m_holding = false;
    std::thread m_thread;
};

class SecretClipboardTest : public ShellGuiFixture {
protected:
    void SetUp() override {
        ShellGuiFixture::SetUp();
        m_owner = CreateOwnerWindow();
        m_other = CreateOwnerWindow();
        ASSERT_NE(m_owner, nullptr);
        ASSERT_NE(m_other, nullptr);
        ASSERT_TRUE(PutClipboardText(m_other, "before"));
        Settings::Write(setting::kEnableAutoDestroy, 1);
        Settings::Write(setting::kAutoDestroyTimeout, 3);
    }
    void TearDown() override {
        DestroyWindow(m_other);
        DestroyWindow(m_owner);
        ShellGuiFixture::TearDown();
    }

    // Whether the countdown timer is set on the owner window; stops it when it is.
    bool StopTimer() const { return KillTimer(m_owner, kTimerId) != FALSE; }

    HWND m_owner = nullptr;
    HWND m_other = nullptr;
};

} // namespace

// How the countdown counts and retries is ClipboardCountdownTest's; here the settings reach it at each
// copy, its ticks reach the real clipboard through the owner's timer, and only our text is cleared.
TEST_F(SecretClipboardTest, CopyIsMarkedCountedDownByTheSettingsAndClearedOnTheLastTick) {
    SecretClipboard clipboard(m_owner, kTimerId);
    ASSERT_TRUE(clipboard.Copy("s3cret value"));
    EXPECT_EQ(ClipboardText(m_other), "s3cret value");
    EXPECT_EQ(SecretMarkerFaults(m_other), "");
    EXPECT_EQ(clipboard.SecondsLeft(), 3);
    // Read from the queue without pumping, which would hand the tick to the window.
    MSG tick{};
    const auto ticked = [&] {
        return PeekMessageW(&tick, m_owner, WM_TIMER, WM_TIMER, PM_REMOVE) && tick.wParam == kTimerId;
    };
    EXPECT_TRUE(ticked() || (MsgWaitForMultipleObjects(0, nullptr, FALSE, 5000, QS_TIMER) == WAIT_OBJECT_0 && ticked()))
        << "no WM_TIMER of the countdown's id";

    clipboard.OnTimer();
    clipboard.OnTimer();
    EXPECT_EQ(ClipboardText(m_other), "s3cret value");
    clipboard.OnTimer();
    EXPECT_EQ(clipboard.SecondsLeft(), 0);
    EXPECT_EQ(ClipboardText(m_other), std::nullopt);
    EXPECT_FALSE(StopTimer());

    // Off: the value is put and stays, with no countdown and no timer.
    Settings::Write(setting::kEnableAutoDestroy, 0);
    ASSERT_TRUE(clipboard.Copy("second"));
    EXPECT_EQ(clipboard.SecondsLeft(), 0);
    EXPECT_FALSE(StopTimer());
    clipboard.OnTimer();
    EXPECT_EQ(ClipboardText(m_other), "second");
}

// Clipboard managers and remote-desktop agents put what they saw back on the clipboard as their own:
// our text is cleared whoever put it there, any other text survives the tick, a clear at once (a
// lock) and this object going (the program ends).
TEST_F(SecretClipboardTest, OurTextIsClearedWhoeverPutItThereAndOtherTextSurvives) {
    for (const bool putBack : {true, false}) {
        SCOPED_TRACE(putBack ? "ours put back" : "another text");
        const std::optional<std::string> left = putBack ? std::nullopt : std::optional<std::string>("copied later");
        {
            SecretClipboard clipboard(m_owner, kTimerId);
            ASSERT_TRUE(clipboard.Copy("s3cret"));
            ASSERT_TRUE(PutClipboardText(m_other, putBack ? "s3cret" : "copied later"));
            for (int tick = 0; tick < 3; ++tick) {
                clipboard.OnTimer();
            }
            EXPECT_FALSE(StopTimer());
            EXPECT_EQ(ClipboardText(m_other), left);

            ASSERT_TRUE(clipboard.Copy("s3cret"));
            ASSERT_TRUE(PutClipboardText(m_other, putBack ? "s3cret" : "copied later"));
            clipboard.ClearIfOurs();
            EXPECT_EQ(clipboard.SecondsLeft(), 0);
            EXPECT_FALSE(StopTimer());
            EXPECT_EQ(ClipboardText(m_other), left);

            ASSERT_TRUE(clipboard.Copy("s3cret"));
            ASSERT_TRUE(PutClipboardText(m_other, putBack ? "s3cret" : "copied later"));
        }
        EXPECT_EQ(ClipboardText(m_other), left);
    }
}

// An auto-type paste could not empty the clipboard after the target read the value.
TEST_F(SecretClipboardTest, AValueTakenOverGoesOnTheFirstTickTheClipboardIsFree) {
    SecretClipboard clipboard(m_owner, kTimerId);
    EXPECT_EQ(ClipboardKeeper::Current(), &clipboard) << "the first one is the process's keeper";
    ASSERT_TRUE(PutClipboardText(m_other, "pasted"));
    ClipboardHolder holder;
    ASSERT_TRUE(holder.IsHolding());
    clipboard.TakeOver("pasted");
    EXPECT_EQ(clipboard.SecondsLeft(), 0);
    EXPECT_TRUE(StopTimer()) << "the timer runs for the retries";
    clipboard.OnTimer();
    holder.Release();
    EXPECT_EQ(ClipboardText(m_other), "pasted");
    clipboard.OnTimer();
    EXPECT_EQ(ClipboardText(m_other), std::nullopt);
}

// A main window's members go after its window.
TEST_F(SecretClipboardTest, OurValueIsClearedAfterTheOwnerWindowWent) {
    SecretClipboard clipboard(m_owner, kTimerId);
    ASSERT_TRUE(clipboard.Copy("s3cret"));
    DestroyWindow(std::exchange(m_owner, nullptr));
    clipboard.ClearIfOurs();
    EXPECT_EQ(ClipboardText(m_other), std::nullopt);
}

TEST_F(SecretClipboardTest, ClipboardThatCannotBeOpenedStartsNoCountdown) {
    ClipboardHolder holder;
    ASSERT_TRUE(holder.IsHolding());
    SecretClipboard clipboard(m_owner, kTimerId);
    EXPECT_FALSE(clipboard.Copy("s3cret"));
    EXPECT_EQ(clipboard.SecondsLeft(), 0);
    EXPECT_FALSE(StopTimer());
    holder.Release();
    EXPECT_EQ(ClipboardText(m_other), "before");
}
