#pragma once

#include "shell/DpiScale.h"

namespace vaultlet {

// Decisions of the main window that need no window: what minimising and the close button do, how
// an automatic lock shows its login, and whether and where a stored window rectangle is used.
namespace main_window {

enum class MinimizeAction {
    Minimize,         // the system's own minimise, to the taskbar
    HideToTray,       // hide; the tray icon brings the window back
    LockHidden,       // lock the database and wait hidden for the password
    MinimizeThenLock, // minimise (hiding the open dialog with the window); lock once the dialog ends
};

struct TraySettings {
    bool showTrayIcon = true;
    bool minimizeToTray = true;
    bool autoLogOff = false;
    bool closeToTray = false;
};

// `busy`: a dialog of the main window or a transition is running. Locking then would pull the
// database out from under it, so the window minimises and the lock waits for the dialog to end.
MinimizeAction ChooseMinimizeAction(const TraySettings& settings, bool busy);

// An automatic lock (minimising, time without input, the Windows session locked) waits for the
// password where the window was: shown when the window was in sight, hidden when it was out of
// sight and a tray icon brings the login back. With no tray icon a hidden login could only be
// reached by the hot key or a second start, so it is shown.
bool AutomaticLockShowsLogin(bool windowInSight, bool trayIcon);

// The title bar's close button minimises instead when closing to the tray is wanted (and there is a
// tray icon to come back through), and always in the compact layout.
bool CloseButtonMinimizes(const TraySettings& settings, bool compact);

struct StoredRect {
    int left = -1;
    int top = -1;
    int right = -1;
    int bottom = -1;

    bool operator==(const StoredRect&) const = default;
};

// A stored rectangle is used when every edge was stored (none negative), it is not empty, and its
// top-left corner lies on the screen.
bool AcceptStoredRect(const StoredRect& rect, int screenWidth, int screenHeight);

// A rectangle stored at one resolution, used at another: its top-left corner stays where it was (the
// screen keeps its pixels whatever the scaling) and its size follows the scaling, so the window
// shows as much as before. One that then reaches past the work area moves back into it, and shrinks
// to it when larger.
StoredRect RescaleStoredRect(const StoredRect& rect, const DpiScale& storedAt, const DpiScale& now,
                             const StoredRect& workArea);

} // namespace main_window
} // namespace vaultlet
