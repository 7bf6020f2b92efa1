#include "shell/win32/app/SingleInstance.h"

#include <gtest/gtest.h>

#include <atomic>
#include <barrier>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace vaultlet;

namespace {

std::string TestEventName(const char* purpose) {
    return std::string("Vaultlet.SingleInstanceTest.") + purpose + "." + std::to_string(GetCurrentProcessId());
}

} // namespace

// Copies started at the same moment: in every round exactly one of them is the first.
TEST(SingleInstanceTest, OfCopiesStartedTogetherExactlyOneIsFirst) {
    constexpr int kCopies = 4;
    constexpr int kRounds = 100;
    const std::string name = TestEventName("together");
    std::vector<std::optional<SingleInstance>> copies(kCopies);
    std::atomic<int> firsts = 0;
    std::vector<int> firstsPerRound;
    std::barrier round(kCopies, [&]() noexcept {
        firstsPerRound.push_back(firsts.exchange(0));
        for (auto& copy : copies) {
            copy.reset();
        }
    });
    std::vector<std::thread> threads;
    for (int c = 0; c < kCopies; ++c) {
        threads.emplace_back([&, c] {
            for (int r = 0; r < kRounds; ++r) {
                copies[c].emplace(name);
                if (copies[c]->IsFirst()) {
                    ++firsts;
                }
                round.arrive_and_wait();
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(firstsPerRound, std::vector<int>(kRounds, 1));
}

// A restart waits for the running copy to end, but not for ever.
TEST(SingleInstanceTest, TheWaitForTheRunningCopyEndsWithItOrAfterTheTimeOut) {
    const std::string name = TestEventName("wait");
    auto running = std::make_unique<SingleInstance>(name);
    ASSERT_TRUE(running->IsFirst());
    SingleInstance restarting(name);
    ASSERT_FALSE(restarting.IsFirst());
    EXPECT_FALSE(restarting.WaitForRunningCopyToEnd(200));

    running.reset();
    EXPECT_TRUE(restarting.WaitForRunningCopyToEnd(10000));
}

// A running copy of another user, or one started as administrator, owns an event this start may not open:
// it must not count as the first copy, nor as one that can hand its request over.
TEST(SingleInstanceTest, AnEventThisStartMayNotOpenMeansACopyRunsUnderAnotherAccount) {
    const std::string name = TestEventName("elsewhere");
    // An empty access list grants nobody anything, as another account's event does to this one.
    SECURITY_DESCRIPTOR descriptor{};
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    ACL nobody{};
    InitializeAcl(&nobody, sizeof nobody, ACL_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, &nobody, FALSE);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
    HANDLE foreign = CreateEventA(&attributes, FALSE, FALSE, name.c_str());
    ASSERT_NE(foreign, nullptr);

    const SingleInstance start(name);
    EXPECT_TRUE(start.RunsElsewhere());
    EXPECT_FALSE(start.IsFirst());
    CloseHandle(foreign);

    const SingleInstance first(name);
    const SingleInstance second(name);
    EXPECT_FALSE(first.RunsElsewhere() || second.RunsElsewhere()) << "an event of this account is opened";
    EXPECT_TRUE(first.IsFirst());
}
