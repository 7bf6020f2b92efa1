#include "shell/MainWindowRules.h"

namespace vaultlet::main_window {

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

} // namespace vaultlet::main_window
