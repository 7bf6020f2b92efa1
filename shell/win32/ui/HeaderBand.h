#pragma once

#include <windows.h>

namespace vaultlet {

// The white band across the top of a dialog: a bold title line, a description line below it and the
// program icon at the right. Its window text holds both lines separated by a line break (which is
// how the language file writes them); a text without a line break is the description, and the title
// is then the dialog's own title.
//
// Used from dialog resources as: CONTROL "", id, "VaultletHeaderBand", WS_CHILD | WS_VISIBLE, ...
class HeaderBand {
public:
    static constexpr const char* kClassName = "VaultletHeaderBand";

    // Registers the window class once per process; true when it is available.
    static bool Register();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

} // namespace vaultlet
