#pragma once

#include "shell/win32/ui/ScopedHandles.h"

#include <windows.h>

#include <functional>

namespace vaultlet {

// Locks the open database when the user is away: after the chosen minutes without input anywhere in
// the Windows session ("LockWhenIdle", timed by IdleLock on a timer of the window), and when the
// session itself is locked ("LockOnSessionLock", told by WM_WTSSESSION_CHANGE). Both ask the
// window's automatic lock, which knows whether a lock is possible now.
class AwayLock {
public:
    explicit AwayLock(std::function<void()> lock) : m_lock(std::move(lock)) {}
    ~AwayLock() { Stop(); }
    AwayLock(const AwayLock&) = delete;
    AwayLock& operator=(const AwayLock&) = delete;

    // The window exists: asks for the session's notices and plans the first check.
    void Start(HWND window);
    // The window goes.
    void Stop();
    // Plans the next check afresh: after the settings changed, or when a login gave the window back.
    void Reschedule();
    // TIMER_IDLE_LOCK.
    void OnTimer();
    // WM_WTSSESSION_CHANGE with its event.
    void OnSessionChange(WPARAM event);

private:
    // Plans the next check; true when the time without input has come.
    bool Check();

    std::function<void()> m_lock;
    HWND m_window = nullptr;
    WindowTimer m_timer;
    bool m_notified = false;
};

} // namespace vaultlet
