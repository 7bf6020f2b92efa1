#include "shell/win32/system/OwnWindows.h"

namespace vaultlet {

bool IsOwnWindow(HWND window) {
    return window != nullptr && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

} // namespace vaultlet
