#include "autofill/win32/Win32WindowSystem.h"

#include "autofill/win32/WindowDescription.h"

#include <windows.h>

namespace vaultlet {

WindowHandle Win32WindowSystem::ForegroundWindow() {
    return GetForegroundWindow();
}

WindowHandle Win32WindowSystem::FocusWindowOf(WindowHandle window) {
    return FindFocusWindow(static_cast<HWND>(window));
}

bool Win32WindowSystem::Exists(WindowHandle window) {
    return window != nullptr && ::IsWindow(static_cast<HWND>(window)) != FALSE;
}

SecureString Win32WindowSystem::DescribeWindow(WindowHandle window) {
    return vaultlet::DescribeWindow(static_cast<HWND>(window));
}

std::string Win32WindowSystem::ClassOf(WindowHandle window) {
    return WindowClassOf(static_cast<HWND>(window));
}

std::string Win32WindowSystem::TitleOf(WindowHandle window) {
    return WindowTitleOf(static_cast<HWND>(window));
}

std::string Win32WindowSystem::ProgramOf(WindowHandle window) {
    return WindowProgramOf(static_cast<HWND>(window));
}

} // namespace vaultlet
