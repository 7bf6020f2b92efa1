#pragma once

#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/win32/GuiDriver.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace vaultlet::test {

// Letters a Western code page has no byte for: an ANSI copy would hold "?" in their place.
inline constexpr const wchar_t* kNotInCodePage = L"\x0141\x00F3d\x017A \x0416";

// A dialog fixture for the checks OK makes before it takes what the boxes hold.
class DialogCheckFixture : public ShellGuiFixture {
protected:
    // Types each box's text (as wide text, so letters outside the code page can be typed too),
    // presses OK and expects the dialog to stay, with `messageId` reported and the focus back in
    // `focus` (a click moves it to the button).
    void ExpectRefused(HWND window, std::initializer_list<std::pair<int, const wchar_t*>> boxes, int messageId,
                       int focus) {
        for (const auto& [box, text] : boxes) {
            SetWindowTextW(GetDlgItem(window, box), text);
        }
        const std::size_t before = Messages().size();
        Click(window, IDOK);
        ASSERT_TRUE(WaitForMessages(before + 1));
        EXPECT_EQ(Messages().back(), Text(messageId));
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(window) == GetDlgItem(window, focus); }));
        EXPECT_TRUE(IsWindowVisible(window));
    }
};

} // namespace vaultlet::test
