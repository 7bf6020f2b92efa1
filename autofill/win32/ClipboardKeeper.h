#pragma once

#include <string_view>

namespace vaultlet {

// Whoever looks after the secrets this process puts on the clipboard, with a countdown that clears
// them and retries while the clipboard is busy (the main window's). Code that cannot wait for the
// clipboard, such as auto-type after a paste, and code that has no countdown of its own, such as
// the password generator and the crash handler, hand their secrets to the program's keeper.
class ClipboardKeeper {
public:
    // The keeper of the process: the first one made that still exists; null when there is none.
    static ClipboardKeeper* Current() noexcept;

    // Puts the text on the clipboard, marked as a secret, under the countdown. False when the
    // clipboard could not be opened or filled.
    virtual bool Copy(std::string_view text) = 0;
    // The text is on the clipboard but could not be taken off: it goes as soon as the clipboard
    // can be opened, if it is still there then.
    virtual void TakeOver(std::string_view text) = 0;
    // Takes the keeper's secret off the clipboard now, if it is still there.
    virtual void ClearIfOurs() = 0;

protected:
    ClipboardKeeper() noexcept;
    ~ClipboardKeeper();
    ClipboardKeeper(const ClipboardKeeper&) = delete;
    ClipboardKeeper& operator=(const ClipboardKeeper&) = delete;
};

} // namespace vaultlet
