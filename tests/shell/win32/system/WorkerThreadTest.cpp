#include "shell/win32/system/WorkerThread.h"

#include "shell/win32/ui/ScopedHandles.h"
#include "tests/support/win32/GuiDriver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace vaultlet {
namespace {

class CountingThread final : public WorkerThread {
public:
    CountingThread(std::atomic<int>& runs, HANDLE release, bool fail, bool autoDelete)
        : WorkerThread(std::string(150, 'n'), autoDelete), m_runs(runs), m_release(release), m_fail(fail) {}
    ~CountingThread() override { ++m_runs; }

protected:
    void Run() override {
        WaitForSingleObject(m_release, INFINITE);
        if (m_fail) {
            throw std::runtime_error("escapes Run");
        }
    }

private:
    std::atomic<int>& m_runs;
    HANDLE m_release;
    bool m_fail;
};

TEST(WorkerThreadTest, RunsOnceAtATimeKeepsEscapingExceptionsInAndDeletesItselfWhenAsked) {
    std::atomic<int> destroyed{0};
    UniqueHandle release(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    {
        CountingThread thread(destroyed, release.Get(), true, false);
        EXPECT_FALSE(thread.IsRunning());
        EXPECT_TRUE(thread.Join(0)) << "a thread that never started has ended";
        ASSERT_TRUE(thread.Start());
        ASSERT_TRUE(thread.WaitRunning(10000));
        EXPECT_TRUE(thread.Start()) << "a running thread is not started twice";
        EXPECT_FALSE(thread.Join(50));
        SetEvent(release.Get());
        ASSERT_TRUE(thread.Join(10000));
        EXPECT_FALSE(thread.IsRunning());
    }
    EXPECT_EQ(destroyed, 1);

    auto* detached = new CountingThread(destroyed, release.Get(), false, true);
    ASSERT_TRUE(detached->Start());
    EXPECT_TRUE(test::WaitUntil([&] { return destroyed == 2; })) << "it deleted itself";
}

} // namespace
} // namespace vaultlet
