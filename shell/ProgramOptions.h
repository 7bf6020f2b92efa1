#pragma once

#include "autofill/AutofillOptions.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vaultlet {

// Everything the "Program Settings" dialog shows and stores: the check boxes, the two time-outs,
// the minutes without input before a lock, the auto-fill hot key and the "Run at Windows Startup"
// entry. Read from the settings store when
// the dialog opens, written back as one batch on OK.
struct ProgramOptions {
    // The clipboard is always cleared eventually: 0 seconds would start a countdown that never
    // reaches zero. An hour is the longest wait that is still a clearing.
    static constexpr int kClipboardTimeoutMinimum = 1;
    static constexpr int kClipboardTimeoutMaximum = 3600;
    // Auto-type holds each key down this long, at most as long as the engine will.
    static constexpr int kAutoTypeTimeoutMinimum = 0;
    static constexpr int kAutoTypeTimeoutMaximum = AutofillOptions::kMaxKeyHoldTime;

    bool showTrayIcon = true;
    bool minimizeToTray = true;
    bool autoLogOff = false;
    bool closeToTray = false;
    bool minimizeOnEsc = true;
    bool showToolbar = true;
    bool showStatusBar = true;
    bool saveWindowPos = true;
    bool linesIntoTree = false;
    bool keepOnTop = false;
    bool copyOnMiddleClick = true;
    bool runAtStartup = false;
    bool enableAutoDestroy = true;
    int autoDestroyTimeout = 10;
    bool checkUpdatesOnStart = false;
    // Virtual-key code and the hot-key control's modifier bits (1 Shift, 2 Ctrl, 4 Alt, 8 extended).
    int hotKeyKey = 70;
    int hotKeyModifiers = 6;
    // The stored hot key could not be used and the default stands in for it (see UsableHotKey).
    bool hotKeyReplaced = false;
    int autoTypeTimeout = 30;
    bool autofillFromClipboard = true;
    bool monitor = false;
    bool lockWhenIdle = false;
    int idleMinutes = 5;
    bool lockOnSessionLock = true;
    bool saveAfterEveryChange = false;

    // Which options may be changed, given the boxes they depend on.
    struct Enables {
        bool minimizeToTray;
        bool autoLogOff;
        bool closeToTray;
        bool clipboardTimeout;
        bool idleMinutes;
    };

    // What the main window has to redo after the options changed; the other options are read each
    // time they are used.
    struct Changes {
        bool trayIcon = false;
        bool toolbar = false;
        bool statusBar = false;
        bool keepOnTop = false;
        bool treeLines = false;
        bool hotKey = false;

        bool Any() const { return trayIcon || toolbar || statusBar || keepOnTop || treeLines || hotKey; }
    };

    // A global hot key as the settings store holds it, or the default in its place.
    struct HotKey {
        int key = 70;
        int modifiers = 6;
        bool replaced = false;
    };

    // The stored options, time-outs brought into their ranges as they are used and the hot key made
    // usable.
    static ProgramOptions Load();
    // Writes every setting as one batch, then creates or deletes the start-up entry. False when
    // the store did not take the batch (nothing of it is kept then in ini mode, and the start-up
    // entry is left alone) or the start-up entry could not be changed.
    bool Store() const;
    // As Store, but only what differs from `before` (the options as the dialog showed them): a
    // value the user left alone stays in the store exactly as it was, even one outside its range
    // (it is brought into the range where it is used), and the start-up entry is touched only when
    // its box changed.
    bool StoreChangesFrom(const ProgramOptions& before) const;
    // The values Store writes, keyed by their settings.
    std::vector<std::pair<std::string, int>> Values() const;

    Enables Enabled() const;
    bool operator==(const ProgramOptions&) const = default;
    Changes ChangesFrom(const ProgramOptions& before) const;

    // A time-out edit's text: its default when empty, otherwise its number clamped into the range.
    static int ClipboardTimeoutFromText(std::string_view text);
    static int AutoTypeTimeoutFromText(std::string_view text);
    static int IdleMinutesFromText(std::string_view text);
    static int ClampClipboardTimeout(int seconds);
    static int ClampAutoTypeTimeout(int milliseconds);

    // The combination as given when it holds Ctrl or Alt and a key; the default otherwise. A global
    // hot key of a plain or shifted key would take that key (or the capital letter) away from every
    // other program, so the settings dialog never stores one; a value that was put into the store
    // some other way is not registered either.
    static HotKey UsableHotKey(int key, int modifiers);
    // UsableHotKey of "HonKeyKey" and "HonKeyModifier".
    static HotKey StoredHotKey();
};

} // namespace vaultlet
