#pragma once

#include <windows.h>

namespace vaultlet {

// Registers the program's own control classes (header band, link) once per process, before the
// first dialog that uses them is created. Called by Dialog; safe to call again.
void RegisterControlClasses();

// The window procedure of a control class: runs `Handle` and stops every exception there, since
// nothing may unwind through the system's code. A message whose handling throws (memory running out
// while creating or painting) counts as handled; a WM_NCCREATE that throws refuses the window, so a
// control that could not set itself up is never created.
template <LRESULT (*Handle)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK GuardedWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return Handle(window, message, wParam, lParam);
    } catch (...) {
        return message == WM_NCCREATE ? FALSE : 0;
    }
}

// Registers a control class whose messages go to `Handle` behind the guard above, with the system
// pointer `cursor`, the class style and `extraBytes` of window data. True when the class exists,
// registered now or before.
template <LRESULT (*Handle)(HWND, UINT, WPARAM, LPARAM)>
bool RegisterControlClass(const char* name, LPCSTR cursor, UINT style = 0, int extraBytes = 0) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = GuardedWindowProcedure<Handle>;
    windowClass.cbWndExtra = extraBytes;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, cursor);
    windowClass.style = style;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace vaultlet
