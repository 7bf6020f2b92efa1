#include "shell/win32/mainframe/AwayLock.h"

#include "resources/resource.h"
#include "shell/IdleLock.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/system/InputClock.h"

#include <wtsapi32.h>

namespace vaultlet {

void AwayLock::Start(HWND window) {
    m_window = window;
    m_notified = WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION) != FALSE;
    Reschedule();
}

void AwayLock::Stop() {
    m_timer.Stop();
    if (m_notified) {
        WTSUnRegisterSessionNotification(m_window);
        m_notified = false;
    }
    m_window = nullptr;
}

void AwayLock::Reschedule() {
    Check();
}

void AwayLock::OnTimer() {
    if (Check()) {
        m_lock();
    }
}

void AwayLock::OnSessionChange(WPARAM event) {
    if (event == WTS_SESSION_LOCK && Settings::Read(setting::kLockOnSessionLock) != 0) {
        m_lock();
    }
}

bool AwayLock::Check() {
    if (m_window == nullptr) {
        return false;
    }
    const InputClock::Reading reading = InputClock::Read();
    const IdleLock::Check check =
        IdleLock::Decide(Settings::Read(setting::kLockWhenIdle) != 0, Settings::Read(setting::kLockIdleMinutes),
                         reading.now, reading.lastInput);
    if (check.nextCheck == 0) {
        m_timer.Stop();
    } else {
        m_timer.Start(m_window, TIMER_IDLE_LOCK, check.nextCheck);
    }
    return check.lockNow;
}

} // namespace vaultlet
