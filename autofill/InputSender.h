#pragma once

#include "autofill/KeyboardLayout.h"
#include "autofill/WindowHandle.h"

#include <cstdint>
#include <string_view>

namespace vaultlet {

// Everything auto-type does to the outside world. The Win32 implementation synthesizes input and
// uses the clipboard; tests record the calls. Each call is one event: the engine decides the order,
// the modifiers and the pauses.
class InputSender : public KeyboardLayout {
public:
    // One key-down or key-up of a virtual key.
    virtual void SendKey(std::uint8_t virtualKey, bool down) = 0;
    // One key-down or key-up that types a UTF-16 code unit directly, for characters no key produces.
    virtual void SendCharacter(char16_t unit, bool down) = 0;
    // Offers the (ANSI) text on the clipboard as plain text, replacing whatever it held; nobody can
    // read it yet. False when the clipboard could not be opened, emptied or filled; the text is then
    // not on the clipboard.
    virtual bool SetClipboardText(std::string_view text) = 0;
    // The paste keys have been sent to the target: the offered text may now be read, by the
    // target's program and no other. Waits until it was read or nobody asked for it in time, then
    // takes it off the clipboard. False when another program asked for it: it got nothing, nor will
    // the target, and the fill must stop.
    virtual bool FinishPaste(WindowHandle target) = 0;
    // Takes text set on the clipboard back without waiting: it was not pasted after all.
    virtual void WithdrawClipboardText() = 0;
    // Brings the window to the front and gives it the keyboard focus; failures are ignored.
    virtual void ActivateWindow(WindowHandle target) = 0;
    // The top-level window in front, the one that receives the input (null when there is none).
    virtual WindowHandle ForegroundWindow() const = 0;
    virtual void Pause(unsigned milliseconds) = 0;
};

} // namespace vaultlet
