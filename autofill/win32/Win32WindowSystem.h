#pragma once

#include "autofill/WindowSystem.h"

namespace vaultlet {

// Auto-fill's view of the real desktop.
class Win32WindowSystem : public WindowSystem {
public:
    WindowHandle ForegroundWindow() override;
    WindowHandle FocusWindowOf(WindowHandle window) override;
    bool Exists(WindowHandle window) override;
    SecureString DescribeWindow(WindowHandle window) override;
    std::string ClassOf(WindowHandle window) override;
    std::string TitleOf(WindowHandle window) override;
    std::string ProgramOf(WindowHandle window) override;
};

} // namespace vaultlet
