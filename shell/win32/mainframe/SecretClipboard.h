#pragma once

#include "core/SecureString.h"
#include "shell/ClipboardAccess.h"
#include "shell/ClipboardCountdown.h"
#include "shell/win32/ui/ScopedHandles.h"

#include <windows.h>

#include <optional>
#include <string_view>

namespace vaultlet {

// Copies secrets to the clipboard for the owner window and takes them off again: after the
// "AutoDestroyTimeout" seconds when "EnableAutoDestroy" is set, and when this object goes. Only
// our own value is ever removed; whatever was copied after it stays. The owner forwards WM_TIMER
// of `timerId` to OnTimer and shows SecondsLeft while it is not 0.
class SecretClipboard : private ClipboardAccess {
public:
    SecretClipboard(HWND owner, UINT_PTR timerId) noexcept : m_owner(owner), m_timerId(timerId) {}
    ~SecretClipboard();
    SecretClipboard(const SecretClipboard&) = delete;
    SecretClipboard& operator=(const SecretClipboard&) = delete;

    // Replaces the clipboard's content with the text, marked as a secret, and starts the countdown
    // as the settings say. False, and no countdown, when the clipboard could not be opened, emptied
    // or filled.
    bool Copy(std::string_view text);
    // One tick of the countdown timer.
    void OnTimer();
    // Seconds until the value is cleared; 0 when no countdown runs.
    int SecondsLeft() const noexcept { return m_countdown.SecondsLeft(); }
    // Takes our value off the clipboard now, if it is still there, and ends the countdown. When the
    // clipboard is busy the countdown's timer keeps retrying.
    void ClearIfOurs();

private:
    ClearOutcome TryClear() override;
    bool Put(std::string_view text) const;
    void Remember(std::string_view text);
    void Forget() noexcept;
    bool StillOurs() const;
    bool ClipboardTextIsOurs() const;

    HWND m_owner;
    UINT_PTR m_timerId;
    WindowTimer m_timer;
    ClipboardCountdown m_countdown;
    bool m_holdsOurs = false;
    // The clipboard's sequence number right after our copy; 0 where the system keeps none.
    DWORD m_sequence = 0;
    // Only without a sequence number: our text, to recognise it on the clipboard.
    std::optional<SecureString> m_text;
};

} // namespace vaultlet
