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
    // A question with more answers than a message box has, in a dialog of the program: `show` runs
    // it and returns the answer (the id of the button pressed). An answerer, when one is set, gets
    // the question's text and flags instead; when it answers 0 the dialog shows all the same.
    static int Ask(std::string_view text, UINT flags, const std::function<int()>& show);

    // With an answerer set, no box is shown: the answerer gets the text and decides.
    static void SetAnswerer(Answerer answerer);
};

} // namespace vaultlet
