#include "shell/ClipboardCountdown.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

using Outcome = ClipboardAccess::ClearOutcome;
using TimerRequest = ClipboardCountdown::TimerRequest;

// A clipboard that holds our value, someone else's or nothing, and can be held open by another
// program; it clears only our value and only when it is free.
class FakeClipboard : public ClipboardAccess {
public:
    enum class Content { Ours, Foreign, Empty };

    Outcome TryClear() override {
        ++clearAttempts;
        if (content != Content::Ours) {
            return Outcome::NotOurs;
        }
        if (busy) {
            return Outcome::Busy;
        }
        content = Content::Empty;
        return Outcome::Cleared;
    }

    Content content = Content::Ours;
    bool busy = false;
    int clearAttempts = 0;
};

// Ticks until the countdown asks to stop the timer (at most `limit` ticks); the number of ticks.
int TicksUntilStop(ClipboardCountdown& countdown, FakeClipboard& clipboard, int limit = 100) {
    int ticks = 1;
    while (countdown.Tick(clipboard) && ticks < limit) {
        ++ticks;
    }
    return ticks;
}

TEST(ClipboardCountdownTest, CountsDownFromTheTimeoutAndClearsOnTheLastTick) {
    ClipboardCountdown countdown;
    FakeClipboard clipboard;
    ASSERT_EQ(countdown.Start(true, 3), TimerRequest::Restart);
    EXPECT_EQ(countdown.SecondsLeft(), 3);
    EXPECT_TRUE(countdown.Tick(clipboard));
    EXPECT_EQ(countdown.SecondsLeft(), 2);
    EXPECT_TRUE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.clearAttempts, 0);
    EXPECT_FALSE(countdown.Tick(clipboard));
    EXPECT_EQ(countdown.SecondsLeft(), 0);
    EXPECT_EQ(clipboard.content, FakeClipboard::Content::Empty);

    // Once the countdown is over, ticks (a late timer message) touch nothing.
    clipboard.content = FakeClipboard::Content::Ours;
    EXPECT_FALSE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.clearAttempts, 1);
    EXPECT_EQ(clipboard.content, FakeClipboard::Content::Ours);
}

TEST(ClipboardCountdownTest, TimeoutsBelowOneSecondCountAsOne) {
    for (const int timeout : {0, -1, -3600}) {
        ClipboardCountdown countdown;
        FakeClipboard clipboard;
        ASSERT_EQ(countdown.Start(true, timeout), TimerRequest::Restart);
        EXPECT_EQ(countdown.SecondsLeft(), 1) << timeout;
        EXPECT_EQ(TicksUntilStop(countdown, clipboard), 1) << timeout;
        EXPECT_EQ(clipboard.content, FakeClipboard::Content::Empty) << timeout;
    }
}

TEST(ClipboardCountdownTest, CopiesRestartTheCountdownOnlyWithAutoDestroyOn) {
    ClipboardCountdown countdown;
    FakeClipboard clipboard;
    // Off with nothing running: no countdown, and ticks are ignored.
    EXPECT_EQ(countdown.Start(false, 5), TimerRequest::Unchanged);
    EXPECT_EQ(countdown.SecondsLeft(), 0);
    EXPECT_FALSE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.clearAttempts, 0);

    countdown.Start(true, 5);
    countdown.Tick(clipboard);
    countdown.Tick(clipboard);
    ASSERT_EQ(countdown.SecondsLeft(), 3);
    // On: from the full value again, the timer restarted for whole seconds.
    EXPECT_EQ(countdown.Start(true, 5), TimerRequest::Restart);
    EXPECT_EQ(countdown.SecondsLeft(), 5);
    countdown.Tick(clipboard);
    // Off: the running countdown goes on to its old end.
    EXPECT_EQ(countdown.Start(false, 30), TimerRequest::Unchanged);
    EXPECT_EQ(countdown.SecondsLeft(), 4);
    EXPECT_EQ(TicksUntilStop(countdown, clipboard), 4);
    EXPECT_EQ(clipboard.content, FakeClipboard::Content::Empty);
}

TEST(ClipboardCountdownTest, ExpiryLeavesAValueCopiedByOthers) {
    ClipboardCountdown countdown;
    FakeClipboard clipboard;
    countdown.Start(true, 2);
    countdown.Tick(clipboard);
    clipboard.content = FakeClipboard::Content::Foreign;
    EXPECT_FALSE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.content, FakeClipboard::Content::Foreign);
    EXPECT_EQ(countdown.SecondsLeft(), 0);
}

TEST(ClipboardCountdownTest, BusyClipboardIsRetriedOnEveryTick) {
    ClipboardCountdown countdown;
    FakeClipboard clipboard;
    clipboard.busy = true;
    countdown.Start(true, 1);
    EXPECT_TRUE(countdown.Tick(clipboard));
    EXPECT_EQ(countdown.SecondsLeft(), 0); // the countdown is over; only the clear is pending
    EXPECT_TRUE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.clearAttempts, 2);
    clipboard.busy = false;
    EXPECT_FALSE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.content, FakeClipboard::Content::Empty);
    EXPECT_FALSE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.clearAttempts, 3);

    // The retries end as well when someone else replaces the value meanwhile.
    clipboard.content = FakeClipboard::Content::Ours;
    clipboard.busy = true;
    countdown.Start(true, 1);
    ASSERT_TRUE(countdown.Tick(clipboard));
    clipboard.content = FakeClipboard::Content::Foreign;
    EXPECT_FALSE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.content, FakeClipboard::Content::Foreign);
}

TEST(ClipboardCountdownTest, CopyDuringAPendingClearFollowsTheSetting) {
    FakeClipboard clipboard;
    clipboard.busy = true;
    // On: the new value gets its own full countdown instead of the immediate retry.
    ClipboardCountdown restarted;
    restarted.Start(true, 1);
    ASSERT_TRUE(restarted.Tick(clipboard));
    restarted.Start(true, 2);
    clipboard.busy = false;
    EXPECT_TRUE(restarted.Tick(clipboard));
    EXPECT_EQ(clipboard.content, FakeClipboard::Content::Ours);
    EXPECT_FALSE(restarted.Tick(clipboard));
    EXPECT_EQ(clipboard.content, FakeClipboard::Content::Empty);

    // Off: the pending clear goes on as a running countdown would.
    clipboard.content = FakeClipboard::Content::Ours;
    clipboard.busy = true;
    ClipboardCountdown continued;
    continued.Start(true, 1);
    ASSERT_TRUE(continued.Tick(clipboard));
    continued.Start(false, 2);
    clipboard.busy = false;
    EXPECT_FALSE(continued.Tick(clipboard));
    EXPECT_EQ(clipboard.content, FakeClipboard::Content::Empty);
}

TEST(ClipboardCountdownTest, CancelEndsCountdownAndPendingClear) {
    FakeClipboard clipboard;
    clipboard.busy = true;
    ClipboardCountdown countdown;
    countdown.Start(true, 1);
    ASSERT_TRUE(countdown.Tick(clipboard));
    countdown.Cancel();
    EXPECT_FALSE(countdown.Tick(clipboard));
    countdown.Start(true, 9);
    countdown.Cancel();
    EXPECT_EQ(countdown.SecondsLeft(), 0);
    EXPECT_FALSE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.clearAttempts, 1);
}

} // namespace
} // namespace vaultlet
