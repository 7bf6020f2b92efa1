#pragma once

#include <windows.h>

namespace vaultlet {

// The band across the top of a dialog: a bold title line, a description line under it and an
// icon at the right, on the window colour, with an etched line along the bottom. The control's
// text holds both lines separated by "\n", so a language file retitles it like any other control
// ("Password Generator\nPlease select ..."). In a dialog resource:
//     CONTROL "Title\nDescription", IDC_..., "VaultletHeaderBand", WS_CHILD | WS_VISIBLE, 0, 0, w, 32
class HeaderBand {
public:
    static constexpr const char* kClassName = "VaultletHeaderBand";

    // Registers the window class once per process; call it before a dialog that holds a band is
    // created. False when the class cannot be registered.
    static bool Register();
    // Shows the icon (which the caller keeps alive as long as the band) or none for null.
    static void SetIcon(HWND band, HICON icon) noexcept;
};

} // namespace vaultlet
