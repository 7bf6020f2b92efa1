#pragma once

#include <array>

namespace vaultlet {

// Every option of the settings store with the default its readers use. The key texts are stored
// in the registry and in portable ini files, so they never change.
struct IntSetting {
    const char* key;
    int defaultValue;
};

struct StringSetting {
    const char* key;
    const char* defaultValue;
};

namespace setting {

inline constexpr IntSetting kShowTrayIcon{"ShowTrayIcon", 1};
inline constexpr IntSetting kMinimizeToTray{"MinimizeToTray", 1};
inline constexpr IntSetting kAutoLogOff{"AutoLogOff", 0};
inline constexpr IntSetting kCloseToTray{"CloseToTray", 0};
inline constexpr IntSetting kMinimizeOnEsc{"MinimizeOnEsc", 1};
inline constexpr IntSetting kKeepOnTop{"KeepOnTop", 0};
inline constexpr IntSetting kShowToolbar{"ShowToolbar", 1};
inline constexpr IntSetting kShowStatusBar{"ShowStatusBar", 1};
inline constexpr IntSetting kCompactMode{"CompactMode", 0};
inline constexpr IntSetting kSaveWindowPos{"SaveWindowPos", 1};
// Window rectangle in screen pixels and pane sizes; -1 means "not stored".
inline constexpr IntSetting kMainWindowLeft{"MainWindowLeft", -1};
inline constexpr IntSetting kMainWindowTop{"MainWindowTop", -1};
inline constexpr IntSetting kMainWindowRight{"MainWindowRight", -1};
inline constexpr IntSetting kMainWindowBottom{"MainWindowBottom", -1};
inline constexpr IntSetting kPaneTree{"PaneTree", -1};
inline constexpr IntSetting kPaneItems{"PaneItems", -1};
// The resolution (DPI) the rectangle and pane sizes were measured at: a start at another scaling
// converts them. Stores older than this key measured them at 96.
inline constexpr IntSetting kMainWindowDpi{"MainWindowDpi", 96};
// The window was maximised (its rectangle is then the one it is restored to).
inline constexpr IntSetting kMainWindowMaximized{"MainWindowMaximized", 0};
inline constexpr IntSetting kLinesIntoTree{"LinesIntoTree", 0};
// Kept and exported only; nothing acts on it.
inline constexpr IntSetting kListLines{"ListLines", 0};
inline constexpr IntSetting kCopyOnMiddleClick{"CopyOnMiddleClick", 1};
inline constexpr IntSetting kEnableAutoDestroy{"EnableAutoDestroy", 1};
inline constexpr IntSetting kAutoDestroyTimeout{"AutoDestroyTimeout", 10};
// Virtual-key code (70 is F) and hot-key-control modifier bits (1 Shift, 2 Ctrl, 4 Alt, 8 extended).
inline constexpr IntSetting kHonKeyKey{"HonKeyKey", 70};
inline constexpr IntSetting kHonKeyModifier{"HonKeyModifier", 6};
inline constexpr IntSetting kAutoTypeTimeout{"AutoTypeTimeout", 30};
inline constexpr IntSetting kAutofillFromClipboard{"AutofillFromClipboard", 1};
inline constexpr IntSetting kMonitor{"Monitor", 0};
// The default of this one is the machine key's value (Settings::ReadCheckUpdatesOnStart); 0 is
// the default when the machine key has none and when settings are exported.
inline constexpr IntSetting kCheckUpdatesOnStart{"CheckUpdatesOnStart", 0};
inline constexpr IntSetting kTransparency{"Transparency", 100};
inline constexpr IntSetting kPassGenPasswordLen{"PassGenPasswordLen", 10};
inline constexpr IntSetting kPassGenExcludeSimilar{"PassGenExcludeSimilar", 1};
inline constexpr IntSetting kPassGenExcludeDuplicate{"PassGenExcludeDuplicate", 1};
inline constexpr IntSetting kPassGenType{"PassGenType", 3};
inline constexpr IntSetting kPassGenCase{"PassGenCase", 2};
// How many days ahead the password health report counts an expiry as soon
// (PasswordHealth::kDefaultExpiringDays).
inline constexpr IntSetting kHealthExpiringDays{"HealthExpiringDays", 14};
// Lock the database after "LockIdleMinutes" minutes without input anywhere in the Windows session
// (IdleLock), and when the session itself is locked.
inline constexpr IntSetting kLockWhenIdle{"LockWhenIdle", 0};
inline constexpr IntSetting kLockIdleMinutes{"LockIdleMinutes", 5};
inline constexpr IntSetting kLockOnSessionLock{"LockOnSessionLock", 1};
// Save the database after each change to it.
inline constexpr IntSetting kSaveAfterEveryChange{"SaveAfterEveryChange", 0};

inline constexpr StringSetting kLanguage{"Language", "English"};
inline constexpr StringSetting kLastSelected{"LastSelected", ""};
inline constexpr StringSetting kOpenFile{"OpenFile", ""};
// A recovery copy written at the end of a Windows session that the user has not been told about yet.
inline constexpr StringSetting kRecoveryCopy{"RecoveryCopy", ""};

// The list of known database paths.
inline constexpr const char* kDataBaseList = "DataBaseList";
// Machine key only, written by an installer.
inline constexpr StringSetting kInstallDir{"Install_Dir", ""};

// What a portable copy carries (ExportSettingsToIni), in the order it is gathered. "Monitor" is
// deliberately left behind: a portable copy starts with the experimental monitor off. The locks when
// away and saving after every change are left behind too: the file keeps its fixed set of keys, and
// their defaults lock on a locked session and never save unasked.
inline constexpr std::array kExportedInts = {
    kSaveWindowPos,
    kShowTrayIcon,
    kMinimizeToTray,
    kAutoLogOff,
    kShowToolbar,
    kShowStatusBar,
    kCompactMode,
    kCopyOnMiddleClick,
    kListLines,
    kLinesIntoTree,
    kEnableAutoDestroy,
    kAutoDestroyTimeout,
    kHonKeyKey,
    kHonKeyModifier,
    kAutoTypeTimeout,
    kPassGenPasswordLen,
    kPassGenExcludeSimilar,
    kPassGenExcludeDuplicate,
    kPassGenType,
    kPassGenCase,
    kCloseToTray,
    kCheckUpdatesOnStart,
    kMinimizeOnEsc,
    kKeepOnTop,
    kAutofillFromClipboard,
    kTransparency,
    kMainWindowLeft,
    kMainWindowRight,
    kMainWindowTop,
    kMainWindowBottom,
    kPaneTree,
    kPaneItems,
    kMainWindowDpi,
    kMainWindowMaximized,
};
inline constexpr std::array kExportedStrings = {kLastSelected, kOpenFile, kLanguage};

} // namespace setting
} // namespace vaultlet
