#pragma once

#include "autofill/InputSender.h"
#include "autofill/win32/DelayedClipboardText.h"

#include <windows.h>

#include <memory>

namespace vaultlet {

// Auto-type into the real desktop: SendInput (one event per call, so the hold time can separate
// key-down from key-up), the layout of the calling thread (VkKeyScanA) and the clipboard, where a
// pasted value is promised rather than placed and marked as a secret (DelayedClipboardText): only the
// target's program can read it, once the paste keys were sent, and the clipboard is emptied once it
// has.
class Win32InputSender : public InputSender {
public:
    Win32InputSender() noexcept = default;
    ~Win32InputSender() override;

    KeyCode KeyForChar(char character) const override;
    void SendKey(std::uint8_t virtualKey, bool down) override;
    void SendCharacter(char16_t unit, bool down) override;
    bool SetClipboardText(std::string_view text) override;
    bool FinishPaste(WindowHandle target) override;
    void WithdrawClipboardText() override;
    void ActivateWindow(WindowHandle target) override;
    WindowHandle ForegroundWindow() const override;
    void Pause(unsigned milliseconds) override;

private:
    std::unique_ptr<DelayedClipboardText> m_offered;
};

} // namespace vaultlet
