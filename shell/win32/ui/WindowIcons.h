#pragma once

#include "shell/win32/ui/ScopedHandles.h"

#include <windows.h>

namespace vaultlet {

// The large and small icons of a window, loaded from the program's resources in the sizes the system
// asks for and released when this object goes.
class WindowIcons {
public:
    // Loads the icon resource and gives both sizes to the window.
    void Apply(HWND window, int iconId);
    // The large icon, for a header band; null before Apply.
    HICON Large() const noexcept { return m_large.Get(); }

private:
    UniqueIcon m_large;
    UniqueIcon m_small;
};

} // namespace vaultlet
