#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace vaultlet {

// Every message to the user goes through here: a message box with the product title as caption.
// Tests install an answerer that records the question and returns the button, so no real box
// blocks them.
class MessageBoxes {
public:
    using Answerer = std::function<int(const std::string& text, UINT flags)>;

    // Shows the text with the given MB_ flags; returns the button pressed (IDOK, IDYES, ...).
    static int Show(HWND owner, std::string_view text, UINT flags);
    // The same under another caption (the crash-report process names the product in short).
    static int ShowCaptioned(HWND owner, std::string_view text, std::string_view caption, UINT flags);
    static int ShowString(HWND owner, int stringId, UINT flags);
    static void Error(HWND owner, int stringId) { ShowString(owner, stringId, MB_OK | MB_ICONSTOP); }

    // With an answerer set, no box is shown: the answerer gets the text and decides.
    static void SetAnswerer(Answerer answerer);
};

} // namespace vaultlet
