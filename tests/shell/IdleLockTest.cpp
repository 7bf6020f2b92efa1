#include "shell/IdleLock.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

constexpr std::uint32_t kMinute = 60 * 1000;

TEST(IdleLockTest, LocksOnceTheMinutesWithoutInputHavePassedAndChecksAgainWhenTheyCould) {
    struct Case {
        const char* what;
        bool enabled;
        int minutes;
        std::uint32_t now;
        std::uint32_t lastInput;
        IdleLock::Check expected;
    };
    const Case cases[] = {
        {"off", false, 5, 10 * kMinute, 0, {false, 0}},
        {"just used", true, 5, 10 * kMinute, 10 * kMinute, {false, IdleLock::kLongestWait}},
        {"a second short", true, 1, kMinute - 1000, 0, {false, 1000}},
        {"a moment short: not sooner than a second", true, 1, kMinute - 10, 0, {false, IdleLock::kShortestWait}},
        {"exactly the time", true, 5, 5 * kMinute, 0, {true, IdleLock::kLongestWait}},
        {"the tick count wrapped", true, 1, 30000, 0xFFFFFFFFu - 29999, {true, IdleLock::kLongestWait}},
        {"input after now was read", true, 1, 1000, 1500, {false, IdleLock::kLongestWait}},
        {"0 minutes are one", true, 0, kMinute, 0, {true, IdleLock::kLongestWait}},
        {"a day at most", true, 100000, 24 * 60 * kMinute - 1, 0, {false, IdleLock::kShortestWait}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IdleLock::Decide(c.enabled, c.minutes, c.now, c.lastInput), c.expected) << c.what;
    }
}

} // namespace
} // namespace vaultlet
