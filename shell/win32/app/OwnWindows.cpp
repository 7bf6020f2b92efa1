#include "shell/win32/app/OwnWindows.h"

namespace vaultlet {

bool IsOwnWindow(HWND window) {
    return window != nullptr && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

} // namespace vaultlet
