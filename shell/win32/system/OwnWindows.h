#pragma once

#include <windows.h>

namespace vaultlet {

// True for a window of the program's user-interface thread, the calling one: the main window, a
// dialog, the virtual keyboard. Auto-fill never types into one of them, where the text would land
// in the program's own fields.
bool IsOwnWindow(HWND window);

} // namespace vaultlet
