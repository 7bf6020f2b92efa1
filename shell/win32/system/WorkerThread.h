#pragma once

#include "shell/win32/ui/ScopedHandles.h"

#include <windows.h>

#include <string>

namespace vaultlet {

// A named background thread: Start creates it unless it runs already, the running event is set while
// Run executes, Stop only clears that event (Run decides how to notice) and Join waits for the end.
// An object with the auto-delete flag deletes itself when Run returns; it must then be created with
// new and never touched after Start.
//
// Nothing thrown in Run leaves the thread: the crash reporter reports it under the thread's name, as
// it does a fault anywhere in the thread (see CrashReporter).
class WorkerThread {
public:
    static constexpr std::size_t kMaxNameLength = 100;

    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;
    virtual ~WorkerThread();

    // False when the thread could not be created; true also when it runs already.
    bool Start();
    // True when the running event was set within the timeout.
    bool WaitRunning(DWORD timeoutMilliseconds) const;
    void Stop();
    // True when the thread ended within the timeout (or never started).
    bool Join(DWORD timeoutMilliseconds) const;

    bool IsRunning() const { return WaitRunning(0); }
    const std::string& Name() const noexcept { return m_name; }

protected:
    // The name is cut to kMaxNameLength bytes.
    explicit WorkerThread(std::string name, bool autoDelete = false);

    virtual void Run() = 0;

private:
    static DWORD WINAPI ThreadProcedure(LPVOID parameter);

    std::string m_name;
    UniqueHandle m_thread;
    UniqueHandle m_running;
    DWORD m_threadId = 0;
    bool m_autoDelete;
};

} // namespace vaultlet
