#pragma once

#include <windows.h>

namespace vaultlet {

// A key of the on-screen keyboard: a push button that never takes the focus or activates its
// window (the box being typed into must keep both), shows the hand pointer and tracks hover and
// press. Its parent draws it: WM_DRAWITEM with ODS_HOTLIGHT while the mouse is over it,
// ODS_SELECTED while it is held down and ODS_CHECKED while it is latched (BM_SETCHECK). A click,
// or BM_CLICK, sends WM_COMMAND with BN_CLICKED to the parent. The window text is the label.
class VirtualKeyButton {
public:
    static constexpr const char* kClassName = "VaultletVirtualKey";

    // Registers the window class once per process; false when it cannot be registered.
    static bool Register();
};

} // namespace vaultlet
