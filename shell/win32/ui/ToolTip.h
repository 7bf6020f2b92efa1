#pragma once

#include <windows.h>

#include <string_view>

namespace vaultlet {

// A tooltip window for the controls of one dialog. The dialog owns the window, so it goes away with
// the dialog; this object only remembers it.
class ToolTip {
public:
    // Creates the tooltip window for the owner; false when it cannot be created.
    bool Create(HWND owner);
    // Shows text while the mouse rests on the control (the tooltip keeps its own copy).
    void Add(HWND control, std::string_view text) const;

private:
    HWND m_owner = nullptr;
    HWND m_window = nullptr;
};

} // namespace vaultlet
