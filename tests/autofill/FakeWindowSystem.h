#pragma once

#include "autofill/WindowSystem.h"

#include <map>
#include <string>

namespace vaultlet::test {

// Windows as auto-fill sees them, made up by a test: each is the address of a slot in an array and
// has a description, a class, a title, an owning program and a focus child. A handle without an
// entry is no window.
class FakeWindowSystem : public WindowSystem {
public:
    struct Window {
        std::string description;
        std::string className;
        std::string program;
        std::string title;
    };

    WindowHandle Slot(int index) { return &m_slots[index]; }
    WindowHandle Show(int index, std::string description, std::string className, std::string program);

    WindowHandle ForegroundWindow() override { return foreground; }
    WindowHandle FocusWindowOf(WindowHandle window) override;
    bool Exists(WindowHandle window) override { return windows.count(window) != 0; }
    SecureString DescribeWindow(WindowHandle window) override;
    std::string ClassOf(WindowHandle window) override { return Find(window).className; }
    std::string TitleOf(WindowHandle window) override { return Find(window).title; }
    std::string ProgramOf(WindowHandle window) override { return Find(window).program; }

    WindowHandle foreground = nullptr;
    std::map<WindowHandle, WindowHandle> focus;
    std::map<WindowHandle, Window> windows;

private:
    Window Find(WindowHandle window) const;

    int m_slots[16] = {};
};

} // namespace vaultlet::test
