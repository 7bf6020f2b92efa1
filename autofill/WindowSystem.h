#pragma once

#include "autofill/WindowHandle.h"
#include "core/SecureString.h"

namespace vaultlet {

// What the window monitor asks of the windowing system.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    virtual WindowHandle ForegroundWindow() = 0;
    // The window with the keyboard focus in the thread that owns the given window; null when none.
    virtual WindowHandle FocusWindowOf(WindowHandle window) = 0;
    virtual bool Exists(WindowHandle window) = 0;
    // The window's WindowDescription; empty for a window that no longer exists.
    virtual SecureString DescribeWindow(WindowHandle window) = 0;
};

} // namespace vaultlet
