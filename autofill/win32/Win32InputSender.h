#pragma once

#include "autofill/InputSender.h"

#include <windows.h>

namespace vaultlet {

// Auto-type into the real desktop: SendInput (one event per call, so the hold time can separate
// key-down from key-up), the layout of the calling thread (VkKeyScanA) and the clipboard, opened
// for the owner window, with the copy marked as a secret (SecretClipboardFormats).
class Win32InputSender : public InputSender {
public:
    explicit Win32InputSender(HWND owner) noexcept : m_owner(owner) {}

    KeyCode KeyForChar(char character) const override;
    void SendKey(std::uint8_t virtualKey, bool down) override;
    void SendCharacter(char16_t unit, bool down) override;
    bool SetClipboardText(std::string_view text) override;
    void EmptyClipboard() override;
    void ActivateWindow(WindowHandle target) override;
    WindowHandle ForegroundWindow() const override;
    void Pause(unsigned milliseconds) override;

private:
    HWND m_owner;
};

} // namespace vaultlet
