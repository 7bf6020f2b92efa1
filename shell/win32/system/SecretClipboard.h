#pragma once

#include "autofill/win32/ClipboardKeeper.h"
#include "shell/ClipboardAccess.h"
#include "shell/ClipboardCountdown.h"
#include "shell/ClipboardFingerprint.h"
#include "shell/win32/ui/ScopedHandles.h"

#include <windows.h>

#include <string_view>

namespace vaultlet {

// Copies secrets to the clipboard for the owner window and takes them off again: after the
// "AutoDestroyTimeout" seconds when "EnableAutoDestroy" is set, when asked (lock, log-off) and when
// this object goes. Our value is recognised by a keyed digest, never kept as text: taken off even
// when another program put the same text there again, while a different text copied since stays.
// The owner forwards WM_TIMER of `timerId` to OnTimer and shows SecondsLeft while it is not 0.
//
// The first one made is the process's ClipboardKeeper: secrets of the generator, the clean-up of an
// auto-type paste and the crash handler go through it.
class SecretClipboard final : public ClipboardKeeper, private ClipboardAccess {
public:
    SecretClipboard(HWND owner, UINT_PTR timerId) noexcept : m_owner(owner), m_timerId(timerId) {}
    ~SecretClipboard();

    // Replaces the clipboard's content with the text, marked as a secret, and starts the countdown
    // as the settings say. False, and no countdown, when the clipboard could not be opened, emptied
    // or filled.
    bool Copy(std::string_view text) override;
    // The text is on the clipboard already (an auto-type paste left it there): it goes on the next
    // tick that finds the clipboard free, if it is still there.
    void TakeOver(std::string_view text) override;
    // Takes our value off the clipboard now, if it is still there, and ends the countdown. When the
    // clipboard is busy the timer tries again on every tick.
    void ClearIfOurs() override;
    // One tick of the countdown timer.
    void OnTimer();
    // Seconds until the value is cleared; 0 when no countdown runs.
    int SecondsLeft() const noexcept { return m_countdown.SecondsLeft(); }

private:
    ClearOutcome TryClear() override;
    bool ClipboardHoldsOurs() const;
    void StartTimer(ClipboardCountdown::TimerRequest request);

    HWND m_owner;
    UINT_PTR m_timerId;
    WindowTimer m_timer;
    ClipboardCountdown m_countdown;
    ClipboardFingerprint m_ours;
};

} // namespace vaultlet
