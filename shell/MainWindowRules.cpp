#include "shell/MainWindowRules.h"

#include <algorithm>

namespace vaultlet::main_window {
namespace {

// An edge of length `length` starting at `start`, moved back inside [low, high) as far as it can.
void KeepInside(int& start, int& length, int low, int high) {
    length = std::min(length, high - low);
    start = std::max(std::min(start, high - length), low);
}

} // namespace

MinimizeAction ChooseMinimizeAction(const TraySettings& settings, bool busy) {
    if (!settings.showTrayIcon || !settings.minimizeToTray) {
        return MinimizeAction::Minimize;
    }
    if (settings.autoLogOff) {
        return busy ? MinimizeAction::MinimizeThenLock : MinimizeAction::LockHidden;
    }
    return MinimizeAction::HideToTray;
}

bool AutomaticLockShowsLogin(bool windowInSight, bool trayIcon) {
    return windowInSight || !trayIcon;
}

bool CloseButtonMinimizes(const TraySettings& settings, bool compact) {
    return compact || (settings.closeToTray && settings.showTrayIcon);
}

bool AcceptStoredRect(const StoredRect& rect, int screenWidth, int screenHeight) {
    if (rect.left < 0 || rect.top < 0 || rect.right < 0 || rect.bottom < 0) {
        return false;
    }
    return rect.right > rect.left && rect.bottom > rect.top && rect.left < screenWidth && rect.top < screenHeight;
}

StoredRect RescaleStoredRect(const StoredRect& rect, const DpiScale& storedAt, const DpiScale& now,
                             const StoredRect& workArea) {
    if (storedAt == now) {
        return rect;
    }
    int left = rect.left;
    int top = rect.top;
    int width = now.From(rect.right - rect.left, storedAt);
    int height = now.From(rect.bottom - rect.top, storedAt);
    KeepInside(left, width, workArea.left, workArea.right);
    KeepInside(top, height, workArea.top, workArea.bottom);
    return {left, top, left + width, top + height};
}

} // namespace vaultlet::main_window
