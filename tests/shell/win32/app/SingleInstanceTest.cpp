#include "shell/win32/app/SingleInstance.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace vaultlet;

namespace {

std::string TestEventName(const char* purpose) {
    return std::string("Vaultlet.SingleInstanceTest.") + purpose + "." + std::to_string(GetCurrentProcessId());
}

// Holds each thread until all have arrived, then runs the round's end and lets them all go on.
// (Not std::barrier: this compiler's library builds it on atomic waits, which without a futex can
// miss a wake-up, and the test then hung under load.)
class Round {
public:
    Round(int threads, std::function<void()> atEnd) : m_threads(threads), m_atEnd(std::move(atEnd)) {}

    void ArriveAndWait() {
        std::unique_lock lock(m_lock);
        const int round = m_round;
        if (++m_arrived == m_threads) {
            m_atEnd();
            m_arrived = 0;
            ++m_round;
            m_ended.notify_all();
            return;
        }
        m_ended.wait(lock, [&] { return m_round != round; });
    }

private:
    const int m_threads;
    const std::function<void()> m_atEnd;
    std::mutex m_lock;
    std::condition_variable m_ended;
    int m_arrived = 0;
    int m_round = 0;
};

} // namespace

// Copies started at the same moment: in every round exactly one of them is the first.
TEST(SingleInstanceTest, OfCopiesStartedTogetherExactlyOneIsFirst) {
    constexpr int kCopies = 4;
    constexpr int kRounds = 100;
    const std::string name = TestEventName("together");
    std::vector<std::optional<SingleInstance>> copies(kCopies);
    std::atomic<int> firsts = 0;
    std::vector<int> firstsPerRound;
    Round round(kCopies, [&] {
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
                round.ArriveAndWait();
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(firstsPerRound, std::vector<int>(kRounds, 1));
}
