#pragma once

#include <windows.h>

namespace vaultlet {

// A text that acts like a hyperlink: drawn in the link colour and underlined, with the hand cursor.
// A click, the space bar while it has the focus, or BM_CLICK sends the parent WM_COMMAND with
// BN_CLICKED, like a button. Unlike the system's link control its text is plain, so the language
// file can replace it like any other control text.
//
// Used from dialog resources as: CONTROL "text", id, "VaultletLink", WS_CHILD | WS_VISIBLE | WS_TABSTOP, ...
class LinkLabel {
public:
    static constexpr const char* kClassName = "VaultletLink";
    // The usual colour of links, for every text that opens something on a click; the system's
    // "hot-light" colour is grey in some themes.
    static constexpr COLORREF kColour = RGB(0, 102, 204);

    static bool Register();
};

} // namespace vaultlet
