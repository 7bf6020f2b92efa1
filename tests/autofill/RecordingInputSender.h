#pragma once

#include "autofill/InputSender.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace vaultlet::test {

// A US-like keyboard layout: letters, digits, blank, tab, CR/LF and the common punctuation; "|" is
// produced with Ctrl+Alt (like an AltGr key). Bytes 0x80 and above have no key.
class FakeUsLayout : public KeyboardLayout {
public:
    KeyCode KeyForChar(char character) const override;
    // A layout whose letters are not Latin: "v" has no key either.
    bool withoutLatinV = false;
};

// Records every call as a short text ("+Shift", "-A", "pause 30", "clip u", "empty" (a paste read by
// its target and taken off), "refused", "withdraw", "activate", "+U+00E9") and plays the events into a simulated edit
// control, so tests can check both the exact sequence and what a target would have received.
class RecordingInputSender : public InputSender {
public:
    KeyCode KeyForChar(char character) const override { return layout.KeyForChar(character); }
    void SendKey(std::uint8_t virtualKey, bool down) override;
    void SendCharacter(char16_t unit, bool down) override;
    bool SetClipboardText(std::string_view text) override;
    bool FinishPaste(WindowHandle target) override;
    void WithdrawClipboardText() override;
    void ActivateWindow(WindowHandle target) override;
    WindowHandle ForegroundWindow() const override;
    void Pause(unsigned milliseconds) override;

    FakeUsLayout layout;
    std::vector<std::string> events;
    // The text a simple edit control would now hold (character events appended as UTF-8).
    std::string typed;
    std::set<std::uint8_t> pressed;
    std::string clipboard;
    bool clipboardFails = false;
    // Another program asks for every pasted value first.
    bool pasteRefused = false;
    // The window each paste was released to.
    std::vector<WindowHandle> pasteTargets;
    std::vector<WindowHandle> activated;
    // The window in front: activation brings the target there unless it stays behind, and once
    // this many events were sent another window comes forward.
    WindowHandle front = &front;
    bool targetStaysBehind = false;
    std::size_t frontLostAfterEvents = static_cast<std::size_t>(-1);

private:
    void Type(std::uint8_t virtualKey);
};

// Passes every call on to a sender that outlives it, for code that owns the sender it is given.
class ForwardingInputSender : public InputSender {
public:
    explicit ForwardingInputSender(InputSender& target) : m_target(target) {}

    KeyCode KeyForChar(char character) const override { return m_target.KeyForChar(character); }
    void SendKey(std::uint8_t virtualKey, bool down) override { m_target.SendKey(virtualKey, down); }
    void SendCharacter(char16_t unit, bool down) override { m_target.SendCharacter(unit, down); }
    bool SetClipboardText(std::string_view text) override { return m_target.SetClipboardText(text); }
    bool FinishPaste(WindowHandle target) override { return m_target.FinishPaste(target); }
    void WithdrawClipboardText() override { m_target.WithdrawClipboardText(); }
    void ActivateWindow(WindowHandle target) override { m_target.ActivateWindow(target); }
    WindowHandle ForegroundWindow() const override { return m_target.ForegroundWindow(); }
    void Pause(unsigned milliseconds) override { m_target.Pause(milliseconds); }

private:
    InputSender& m_target;
};

std::string KeyName(std::uint8_t virtualKey);

} // namespace vaultlet::test
