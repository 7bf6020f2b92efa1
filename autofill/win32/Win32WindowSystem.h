#pragma once

#include "autofill/WindowSystem.h"

namespace vaultlet {

// The window monitor's view of the real desktop.
class Win32WindowSystem : public WindowSystem {
public:
    WindowHandle ForegroundWindow() override;
    WindowHandle FocusWindowOf(WindowHandle window) override;
    bool Exists(WindowHandle window) override;
    SecureString DescribeWindow(WindowHandle window) override;
};

} // namespace vaultlet
