#include "shell/ClipboardCountdown.h"

#include "shell/ProgramOptions.h"

namespace vaultlet {

ClipboardCountdown::TimerRequest ClipboardCountdown::Start(bool autoDestroy, int timeoutSeconds) noexcept {
    if (!autoDestroy) {
        return TimerRequest::Unchanged;
    }
    // A timeout of zero would clear the value before anyone could paste it, and the store may hold
    // any number: beyond the range the secret would stay on the clipboard for days.
    m_secondsLeft = ProgramOptions::ClampClipboardTimeout(timeoutSeconds);
    m_clearPending = false;
    return TimerRequest::Restart;
}

bool ClipboardCountdown::Tick(ClipboardAccess& clipboard) {
    if (m_clearPending) {
        return ClearNow(clipboard);
    }
    if (m_secondsLeft == 0) {
        return false;
    }
    --m_secondsLeft;
    return m_secondsLeft > 0 || ClearNow(clipboard);
}

ClipboardCountdown::TimerRequest ClipboardCountdown::RetryClear() noexcept {
    m_secondsLeft = 0;
    m_clearPending = true;
    return TimerRequest::Restart;
}

void ClipboardCountdown::Cancel() noexcept {
    m_secondsLeft = 0;
    m_clearPending = false;
}

// True when the clipboard was busy and the clear has to be tried again on the next tick.
bool ClipboardCountdown::ClearNow(ClipboardAccess& clipboard) {
    m_clearPending = clipboard.TryClear() == ClipboardAccess::ClearOutcome::Busy;
    return m_clearPending;
}

} // namespace vaultlet
