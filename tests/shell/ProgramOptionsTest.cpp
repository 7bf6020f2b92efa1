#include "shell/ProgramOptions.h"

#include "shell/AutofillSettings.h"
#include "shell/Settings.h"
#include "tests/shell/PrivateSettingsTest.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vaultlet {
namespace {

class ProgramOptionsTest : public test::PrivateSettingsTest {
protected:
    // Every option away from its default, the start-up entry aside (it lives in the registry).
    static ProgramOptions Changed() {
        ProgramOptions options;
        options.showTrayIcon = false;
        options.minimizeToTray = false;
        options.autoLogOff = true;
        options.closeToTray = true;
        options.minimizeOnEsc = false;
        options.showToolbar = false;
        options.showStatusBar = false;
        options.saveWindowPos = false;
        options.linesIntoTree = true;
        options.keepOnTop = true;
        options.copyOnMiddleClick = false;
        options.enableAutoDestroy = false;
        options.autoDestroyTimeout = 45;
        options.checkUpdatesOnStart = true;
        options.hotKeyKey = 'K';
        options.hotKeyModifiers = 3;
        options.autoTypeTimeout = 120;
        options.autofillFromClipboard = false;
        options.monitor = true;
        options.lockWhenIdle = true;
        options.idleMinutes = 12;
        options.lockOnSessionLock = false;
        options.saveAfterEveryChange = true;
        return options;
    }
};

// What the batch write keeps of the rest of the file is SettingsIniTest's.
TEST_F(ProgramOptionsTest, StoredOptionsLoadBack) {
    EXPECT_EQ(ProgramOptions::Load(), ProgramOptions{}) << "defaults without a file";
    const ProgramOptions changed = Changed();
    ASSERT_TRUE(changed.Store());
    EXPECT_EQ(ProgramOptions::Load(), changed);
    EXPECT_EQ(Settings::ReadInt("ShowTrayIcon", 1), 0) << "check boxes are stored as 0 and 1";
    EXPECT_EQ(Settings::ReadInt("LinesIntoTree", 0), 1);
}

TEST_F(ProgramOptionsTest, AHotKeyWithoutCtrlOrAltOrWithoutAKeyIsReplacedByTheDefault) {
    const struct {
        int key;
        int modifiers;
        bool usable;
    } cases[] = {
        {'F', 6, true},  {'K', 2, true}, {'K', 4 | 8, true}, {'K', 1 | 2, true}, {'K', 0, false},  {'K', 1, false},
        {'K', 8, false}, {0, 6, false},  {255, 6, false},    {-3, 6, false},     {'K', -1, false}, {'K', 16 | 2, false},
    };
    for (const auto& stored : cases) {
        Settings::WriteInt("HonKeyKey", stored.key);
        Settings::WriteInt("HonKeyModifier", stored.modifiers);
        // Loading reads the hot key the way the registration does.
        const ProgramOptions loaded = ProgramOptions::Load();
        const int key = stored.usable ? stored.key : 'F';
        const int modifiers = stored.usable ? stored.modifiers : 6;
        EXPECT_EQ(std::tie(loaded.hotKeyKey, loaded.hotKeyModifiers, loaded.hotKeyReplaced),
                  std::make_tuple(key, modifiers, !stored.usable))
            << stored.key << " " << stored.modifiers;
    }
}

TEST_F(ProgramOptionsTest, TimeOutsAreClampedIntoTheirRanges) {
    EXPECT_EQ(ProgramOptions::ClipboardTimeoutFromText(""), 10) << "empty means the default";
    EXPECT_EQ(ProgramOptions::ClipboardTimeoutFromText("25"), 25);
    EXPECT_EQ(ProgramOptions::ClipboardTimeoutFromText("0"), ProgramOptions::kClipboardTimeoutMinimum);
    EXPECT_EQ(ProgramOptions::ClipboardTimeoutFromText("99999999999"), ProgramOptions::kClipboardTimeoutMaximum);
    EXPECT_EQ(ProgramOptions::AutoTypeTimeoutFromText(""), 30);
    EXPECT_EQ(ProgramOptions::AutoTypeTimeoutFromText("0"), 0) << "no pause is a valid choice";
    EXPECT_EQ(ProgramOptions::AutoTypeTimeoutFromText("60000"), ProgramOptions::kAutoTypeTimeoutMaximum);
    EXPECT_EQ(ProgramOptions::IdleMinutesFromText(""), 5);
    EXPECT_EQ(ProgramOptions::IdleMinutesFromText("0"), 1) << "a lock at once would lock on every pause";

    // A stored 0 is never taken as "never clear", neither when shown nor when written back.
    Settings::WriteInt("AutoDestroyTimeout", 0);
    Settings::WriteInt("AutoTypeTimeout", 60000);
    const ProgramOptions loaded = ProgramOptions::Load();
    EXPECT_EQ(loaded.autoDestroyTimeout, ProgramOptions::kClipboardTimeoutMinimum);
    EXPECT_EQ(loaded.autoTypeTimeout, ProgramOptions::kAutoTypeTimeoutMaximum);
    ProgramOptions typed;
    typed.autoDestroyTimeout = 0;
    typed.autoTypeTimeout = -1;
    ASSERT_TRUE(typed.Store());
    EXPECT_EQ(Settings::ReadInt("AutoDestroyTimeout", 10), ProgramOptions::kClipboardTimeoutMinimum);
    EXPECT_EQ(Settings::ReadInt("AutoTypeTimeout", 30), ProgramOptions::kAutoTypeTimeoutMinimum);
}

TEST_F(ProgramOptionsTest, OnlyWhatChangedIsWrittenAndStoredValuesAreBoundedWhereUsed) {
    // Written by hand or by another copy: beyond the ranges, and a key the file does not hold.
    Settings::WriteInt("AutoTypeTimeout", 5000);
    Settings::WriteInt("AutoDestroyTimeout", 0);
    const ProgramOptions shown = ProgramOptions::Load();
    ProgramOptions chosen = shown;
    chosen.keepOnTop = true;
    ASSERT_TRUE(chosen.StoreChangesFrom(shown));
    EXPECT_EQ(Settings::ReadInt("KeepOnTop", 0), 1);
    EXPECT_EQ(Settings::ReadInt("AutoTypeTimeout", 30), 5000) << "left alone, so left as it was";
    EXPECT_EQ(Settings::ReadInt("AutoDestroyTimeout", 10), 0);
    EXPECT_EQ(Settings::ReadInt("MinimizeOnEsc", -1), -1) << "not written at all";
    // What uses them keeps to the ranges.
    EXPECT_EQ(AutofillOptionsFromSettings().keyHoldTime, ProgramOptions::kAutoTypeTimeoutMaximum);
    EXPECT_TRUE(AutofillOptionsFromSettings().fromClipboard);

    // A changed time-out is written; the one beside it still is not.
    chosen = shown;
    chosen.autoTypeTimeout = 200;
    ASSERT_TRUE(chosen.StoreChangesFrom(shown));
    EXPECT_EQ(Settings::ReadInt("AutoTypeTimeout", 30), 200);
    EXPECT_EQ(Settings::ReadInt("AutoDestroyTimeout", 10), 0);
}

TEST(ProgramOptionsRulesTest, ChangesNameWhatTheMainWindowMustRedo) {
    const ProgramOptions before;
    ProgramOptions after = before;
    after.autoLogOff = true;
    after.hotKeyModifiers = 3;
    const ProgramOptions::Changes changes = after.ChangesFrom(before);
    EXPECT_TRUE(changes.trayIcon);
    EXPECT_TRUE(changes.hotKey);
    EXPECT_FALSE(changes.toolbar || changes.statusBar || changes.keepOnTop || changes.treeLines);
    after = before;
    after.linesIntoTree = true;
    EXPECT_TRUE(after.ChangesFrom(before).treeLines);
}

} // namespace
} // namespace vaultlet
