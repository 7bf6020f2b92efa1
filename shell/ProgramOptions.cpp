#include "shell/ProgramOptions.h"

#include "shell/IdleLock.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"

#include <algorithm>

namespace vaultlet {
namespace {

// The hot-key control's modifier bits: Shift, Ctrl, Alt and the extended-key flag; and the end of
// the virtual-key codes (255 is no key).
constexpr int kHotKeyControl = 2;
constexpr int kHotKeyAlt = 4;
constexpr int kHotKeyBits = 0x0F;
constexpr int kLastVirtualKey = 255;

bool ReadFlag(const IntSetting& setting) {
    return Settings::Read(setting) != 0;
}

// Writes the batch (when there is something in it), then the start-up entry when asked to.
bool Write(const std::vector<std::pair<std::string, int>>& values, bool startupEntry, bool runAtStartup) {
    if (!values.empty() && !Settings::WriteInts(values)) {
        return false;
    }
    if (!startupEntry) {
        return true;
    }
    if (runAtStartup) {
        return Settings::WriteStartupEntry();
    }
    Settings::DeleteStartupEntry();
    return true;
}

int TimeoutFromText(std::string_view text, int defaultValue, int minimum, int maximum) {
    if (text.find_first_not_of(" \t") == std::string_view::npos) {
        return defaultValue;
    }
    return std::clamp(Settings::ParseInt(std::string(text)), minimum, maximum);
}

} // namespace

ProgramOptions ProgramOptions::Load() {
    ProgramOptions options;
    options.showTrayIcon = ReadFlag(setting::kShowTrayIcon);
    options.minimizeToTray = ReadFlag(setting::kMinimizeToTray);
    options.autoLogOff = ReadFlag(setting::kAutoLogOff);
    options.closeToTray = ReadFlag(setting::kCloseToTray);
    options.minimizeOnEsc = ReadFlag(setting::kMinimizeOnEsc);
    options.showToolbar = ReadFlag(setting::kShowToolbar);
    options.showStatusBar = ReadFlag(setting::kShowStatusBar);
    options.saveWindowPos = ReadFlag(setting::kSaveWindowPos);
    options.linesIntoTree = ReadFlag(setting::kLinesIntoTree);
    options.keepOnTop = ReadFlag(setting::kKeepOnTop);
    options.copyOnMiddleClick = ReadFlag(setting::kCopyOnMiddleClick);
    options.runAtStartup = Settings::StartupEntryPointsHere();
    options.enableAutoDestroy = ReadFlag(setting::kEnableAutoDestroy);
    options.autoDestroyTimeout = ClampClipboardTimeout(Settings::Read(setting::kAutoDestroyTimeout));
    options.checkUpdatesOnStart = Settings::ReadCheckUpdatesOnStart() != 0;
    const HotKey hotKey = StoredHotKey();
    options.hotKeyKey = hotKey.key;
    options.hotKeyModifiers = hotKey.modifiers;
    options.hotKeyReplaced = hotKey.replaced;
    options.autoTypeTimeout = ClampAutoTypeTimeout(Settings::Read(setting::kAutoTypeTimeout));
    options.autofillFromClipboard = ReadFlag(setting::kAutofillFromClipboard);
    options.monitor = ReadFlag(setting::kMonitor);
    options.lockWhenIdle = ReadFlag(setting::kLockWhenIdle);
    options.idleMinutes = IdleLock::ClampMinutes(Settings::Read(setting::kLockIdleMinutes));
    options.lockOnSessionLock = ReadFlag(setting::kLockOnSessionLock);
    options.saveAfterEveryChange = ReadFlag(setting::kSaveAfterEveryChange);
    return options;
}

std::vector<std::pair<std::string, int>> ProgramOptions::Values() const {
    return {
        {setting::kShowTrayIcon.key, showTrayIcon},
        {setting::kMinimizeToTray.key, minimizeToTray},
        {setting::kAutoLogOff.key, autoLogOff},
        {setting::kCloseToTray.key, closeToTray},
        {setting::kMinimizeOnEsc.key, minimizeOnEsc},
        {setting::kShowToolbar.key, showToolbar},
        {setting::kShowStatusBar.key, showStatusBar},
        {setting::kSaveWindowPos.key, saveWindowPos},
        {setting::kLinesIntoTree.key, linesIntoTree},
        {setting::kKeepOnTop.key, keepOnTop},
        {setting::kCopyOnMiddleClick.key, copyOnMiddleClick},
        {setting::kEnableAutoDestroy.key, enableAutoDestroy},
        {setting::kAutoDestroyTimeout.key, ClampClipboardTimeout(autoDestroyTimeout)},
        {setting::kCheckUpdatesOnStart.key, checkUpdatesOnStart},
        {setting::kHonKeyKey.key, hotKeyKey},
        {setting::kHonKeyModifier.key, hotKeyModifiers},
        {setting::kAutoTypeTimeout.key, ClampAutoTypeTimeout(autoTypeTimeout)},
        {setting::kAutofillFromClipboard.key, autofillFromClipboard},
        {setting::kMonitor.key, monitor},
        {setting::kLockWhenIdle.key, lockWhenIdle},
        {setting::kLockIdleMinutes.key, IdleLock::ClampMinutes(idleMinutes)},
        {setting::kLockOnSessionLock.key, lockOnSessionLock},
        {setting::kSaveAfterEveryChange.key, saveAfterEveryChange},
    };
}

bool ProgramOptions::Store() const {
    return Write(Values(), true, runAtStartup);
}

bool ProgramOptions::StoreChangesFrom(const ProgramOptions& before) const {
    const std::vector<std::pair<std::string, int>> shown = before.Values();
    std::vector<std::pair<std::string, int>> changed;
    for (const auto& value : Values()) {
        if (std::find(shown.begin(), shown.end(), value) == shown.end()) {
            changed.push_back(value);
        }
    }
    return Write(changed, runAtStartup != before.runAtStartup, runAtStartup);
}

ProgramOptions::Enables ProgramOptions::Enabled() const {
    return {showTrayIcon, showTrayIcon && minimizeToTray, showTrayIcon, enableAutoDestroy, lockWhenIdle};
}

ProgramOptions::Changes ProgramOptions::ChangesFrom(const ProgramOptions& before) const {
    Changes changes;
    changes.trayIcon = showTrayIcon != before.showTrayIcon || minimizeToTray != before.minimizeToTray ||
                       closeToTray != before.closeToTray || autoLogOff != before.autoLogOff;
    changes.toolbar = showToolbar != before.showToolbar;
    changes.statusBar = showStatusBar != before.showStatusBar;
    changes.keepOnTop = keepOnTop != before.keepOnTop;
    changes.treeLines = linesIntoTree != before.linesIntoTree;
    changes.hotKey = hotKeyKey != before.hotKeyKey || hotKeyModifiers != before.hotKeyModifiers;
    return changes;
}

int ProgramOptions::ClipboardTimeoutFromText(std::string_view text) {
    return TimeoutFromText(text, setting::kAutoDestroyTimeout.defaultValue, kClipboardTimeoutMinimum,
                           kClipboardTimeoutMaximum);
}

int ProgramOptions::AutoTypeTimeoutFromText(std::string_view text) {
    return TimeoutFromText(text, setting::kAutoTypeTimeout.defaultValue, kAutoTypeTimeoutMinimum,
                           kAutoTypeTimeoutMaximum);
}

int ProgramOptions::IdleMinutesFromText(std::string_view text) {
    return TimeoutFromText(text, setting::kLockIdleMinutes.defaultValue, IdleLock::kMinutesMinimum,
                           IdleLock::kMinutesMaximum);
}

int ProgramOptions::ClampClipboardTimeout(int seconds) {
    return std::clamp(seconds, kClipboardTimeoutMinimum, kClipboardTimeoutMaximum);
}

int ProgramOptions::ClampAutoTypeTimeout(int milliseconds) {
    return std::clamp(milliseconds, kAutoTypeTimeoutMinimum, kAutoTypeTimeoutMaximum);
}

ProgramOptions::HotKey ProgramOptions::UsableHotKey(int key, int modifiers) {
    const bool hasKey = key > 0 && key < kLastVirtualKey;
    const bool hasModifier = (modifiers & (kHotKeyControl | kHotKeyAlt)) != 0 && (modifiers & ~kHotKeyBits) == 0;
    if (hasKey && hasModifier) {
        return {key, modifiers, false};
    }
    return {setting::kHonKeyKey.defaultValue, setting::kHonKeyModifier.defaultValue, true};
}

ProgramOptions::HotKey ProgramOptions::StoredHotKey() {
    return UsableHotKey(Settings::Read(setting::kHonKeyKey), Settings::Read(setting::kHonKeyModifier));
}

} // namespace vaultlet
