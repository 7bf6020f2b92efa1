#include "shell/ClipboardCountdown.h"

#include "shell/ProgramOptions.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

using Outcome = ClipboardAccess::ClearOutcome;
using TimerRequest = ClipboardCountdown::TimerRequest;

// A clipboard holding our value, someone else's or nothing, which another program can hold open;
// it clears only our value and only when it is free.
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

// Ticks until the countdown lets the timer stop; the number of ticks (at most 100).
int TicksUntilStop(ClipboardCountdown& countdown, FakeClipboard& clipboard) {
    int ticks = 1;
    while (countdown.Tick(clipboard) && ticks < 100) {
        ++ticks;
    }
    return ticks;
}

TEST(ClipboardCountdownTest, LastTickClearsAndLaterTicksAreIgnored) {
    for (const auto& [timeout, seconds] : {std::pair{3, 3}, {0, 1}, {-5, 1}}) {
        ClipboardCountdown countdown;
        FakeClipboard clipboard;
        ASSERT_EQ(countdown.Start(true, timeout), TimerRequest::Restart);
        EXPECT_EQ(countdown.SecondsLeft(), seconds) << timeout;
        EXPECT_EQ(TicksUntilStop(countdown, clipboard), seconds) << timeout;
        EXPECT_EQ(countdown.SecondsLeft(), 0);
        EXPECT_EQ(clipboard.clearAttempts, 1) << "cleared before the last tick";
        EXPECT_EQ(clipboard.content, FakeClipboard::Content::Empty);

        clipboard.content = FakeClipboard::Content::Ours;
        EXPECT_FALSE(countdown.Tick(clipboard));
        EXPECT_EQ(clipboard.content, FakeClipboard::Content::Ours);
    }
    // A stored time-out beyond the range (an edited ini file) still clears within the range.
    ClipboardCountdown countdown;
    countdown.Start(true, 1000000);
    EXPECT_EQ(countdown.SecondsLeft(), ProgramOptions::kClipboardTimeoutMaximum);
}

TEST(ClipboardCountdownTest, CopiesRestartTheCountdownOnlyWithAutoDestroyOn) {
    ClipboardCountdown countdown;
    FakeClipboard clipboard;
    EXPECT_EQ(countdown.Start(false, 5), TimerRequest::Unchanged);
    EXPECT_FALSE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.clearAttempts, 0);

    countdown.Start(true, 5);
    countdown.Tick(clipboard);
    countdown.Tick(clipboard);
    EXPECT_EQ(countdown.Start(true, 5), TimerRequest::Restart);
    EXPECT_EQ(countdown.SecondsLeft(), 5);
    countdown.Tick(clipboard);
    EXPECT_EQ(countdown.Start(false, 30), TimerRequest::Unchanged);
    EXPECT_EQ(countdown.SecondsLeft(), 4);
    EXPECT_EQ(TicksUntilStop(countdown, clipboard), 4);
    EXPECT_EQ(clipboard.content, FakeClipboard::Content::Empty);
}

TEST(ClipboardCountdownTest, ForeignValueIsLeftAndBusyClipboardRetriedEveryTick) {
    ClipboardCountdown countdown;
    FakeClipboard clipboard;
    countdown.Start(true, 1);
    clipboard.content = FakeClipboard::Content::Foreign;
    EXPECT_FALSE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.content, FakeClipboard::Content::Foreign);

    clipboard.content = FakeClipboard::Content::Ours;
    clipboard.busy = true;
    countdown.Start(true, 1);
    EXPECT_TRUE(countdown.Tick(clipboard));
    EXPECT_EQ(countdown.SecondsLeft(), 0); // over; only the clear is pending
    EXPECT_TRUE(countdown.Tick(clipboard));
    clipboard.busy = false;
    EXPECT_FALSE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.content, FakeClipboard::Content::Empty);
    EXPECT_EQ(clipboard.clearAttempts, 4);

    // The retries also end when another program replaces the value meanwhile.
    clipboard.content = FakeClipboard::Content::Ours;
    clipboard.busy = true;
    countdown.Start(true, 1);
    ASSERT_TRUE(countdown.Tick(clipboard));
    clipboard.content = FakeClipboard::Content::Foreign;
    EXPECT_FALSE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.content, FakeClipboard::Content::Foreign);
}

// On, a copy gets a full countdown instead of the pending retry; off, the retry goes on as a
// running countdown would; Cancel ends it.
TEST(ClipboardCountdownTest, PendingClearAfterCopyOrCancel) {
    for (const bool autoDestroy : {true, false}) {
        ClipboardCountdown countdown;
        FakeClipboard clipboard;
        clipboard.busy = true;
        countdown.Start(true, 1);
        ASSERT_TRUE(countdown.Tick(clipboard));
        countdown.Start(autoDestroy, 2);
        clipboard.busy = false;
        EXPECT_EQ(TicksUntilStop(countdown, clipboard), autoDestroy ? 2 : 1) << autoDestroy;
        EXPECT_EQ(clipboard.content, FakeClipboard::Content::Empty);
    }
    ClipboardCountdown countdown;
    FakeClipboard clipboard;
    clipboard.busy = true;
    countdown.Start(true, 1);
    ASSERT_TRUE(countdown.Tick(clipboard));
    countdown.Cancel();
    EXPECT_FALSE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.clearAttempts, 1);

    // A clear that must happen now (a lock, or a value handed over) cuts a running countdown short
    // and is retried from the next tick on.
    countdown.Start(true, 30);
    EXPECT_EQ(countdown.RetryClear(), TimerRequest::Restart);
    EXPECT_EQ(countdown.SecondsLeft(), 0);
    clipboard.busy = false;
    EXPECT_FALSE(countdown.Tick(clipboard));
    EXPECT_EQ(clipboard.content, FakeClipboard::Content::Empty);
}

} // namespace
} // namespace vaultlet
