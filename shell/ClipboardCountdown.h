#pragma once

#include "shell/ClipboardAccess.h"

namespace vaultlet {

// The seconds a copied secret may stay on the clipboard. Each copy with auto-destroy on starts the
// countdown afresh; each tick of a one-second timer counts it down, and the tick that reaches zero
// removes the value if it is still ours. A busy clipboard at that moment must not let the secret
// survive, so the clear is retried on every further tick until it succeeds or the value is gone.
class ClipboardCountdown {
public:
    // What the owner of the timer must do after a copy.
    enum class TimerRequest {
        Unchanged, // leave the timer as it is (running or not)
        Restart,   // (re)start the one-second timer
    };

    // A value was just put on the clipboard. With auto-destroy off a running countdown goes on as it
    // was; with it on the countdown starts over from timeoutSeconds (at least one second).
    TimerRequest Start(bool autoDestroy, int timeoutSeconds) noexcept;

    // One timer tick; true while the timer must keep running. A tick without a countdown or a
    // pending clear changes nothing.
    bool Tick(ClipboardAccess& clipboard);

    // The value must go now but the clipboard was busy: the countdown ends and every further tick
    // tries the clear again, until it succeeds or the value is gone. The timer must (re)start.
    TimerRequest RetryClear() noexcept;

    // Ends the countdown and any pending clear, when the value is known to be gone.
    void Cancel() noexcept;

    // The seconds until the clear, for the status bar; 0 when no countdown runs.
    int SecondsLeft() const noexcept { return m_secondsLeft; }

private:
    bool ClearNow(ClipboardAccess& clipboard);

    int m_secondsLeft = 0;
    bool m_clearPending = false;
};

} // namespace vaultlet
