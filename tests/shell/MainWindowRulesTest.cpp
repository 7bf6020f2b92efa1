#include "shell/MainWindowRules.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vaultlet::main_window {

void PrintTo(const StoredRect& rect, std::ostream* out) {
    *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}

namespace {

TEST(MainWindowRulesTest, MinimizeAndCloseGoToTheTrayOnlyWithAnIconToComeBackBy) {
    TraySettings settings;
    EXPECT_EQ(ChooseMinimizeAction(settings, false), MinimizeAction::HideToTray);
    settings.autoLogOff = true;
    EXPECT_EQ(ChooseMinimizeAction(settings, false), MinimizeAction::LockHidden);
    // A dialog holding nodes of the database is up: no lock under it, but one right after it.
    EXPECT_EQ(ChooseMinimizeAction(settings, true), MinimizeAction::MinimizeThenLock);
    settings.showTrayIcon = false;
    EXPECT_EQ(ChooseMinimizeAction(settings, false), MinimizeAction::Minimize);
    settings.showTrayIcon = true;
    settings.minimizeToTray = false;
    EXPECT_EQ(ChooseMinimizeAction(settings, false), MinimizeAction::Minimize);

    // The close button minimizes to the tray, or in the compact layout.
    settings = TraySettings();
    EXPECT_FALSE(CloseButtonMinimizes(settings, false));
    EXPECT_TRUE(CloseButtonMinimizes(settings, true));
    settings.closeToTray = true;
    EXPECT_TRUE(CloseButtonMinimizes(settings, false));
    settings.showTrayIcon = false;
    EXPECT_FALSE(CloseButtonMinimizes(settings, false));
}

TEST(MainWindowRulesTest, AnAutomaticLockHidesItsLoginOnlyWhereATrayIconBringsItBack) {
    EXPECT_TRUE(AutomaticLockShowsLogin(true, true));
    EXPECT_FALSE(AutomaticLockShowsLogin(false, true));
    EXPECT_TRUE(AutomaticLockShowsLogin(false, false));
}

TEST(MainWindowRulesTest, StoredRectangleMustBeCompleteAndStartOnTheScreen) {
    EXPECT_TRUE(AcceptStoredRect({0, 0, 532, 450}, 1280, 1024));
    EXPECT_TRUE(AcceptStoredRect({1279, 1023, 1800, 1500}, 1280, 1024));
    EXPECT_FALSE(AcceptStoredRect({}, 1280, 1024));
    EXPECT_FALSE(AcceptStoredRect({10, 10, -1, 300}, 1280, 1024));
    EXPECT_FALSE(AcceptStoredRect({1280, 10, 1600, 300}, 1280, 1024));
    EXPECT_FALSE(AcceptStoredRect({10, 1024, 300, 1300}, 1280, 1024));
    EXPECT_FALSE(AcceptStoredRect({300, 10, 300, 300}, 1280, 1024));
}

TEST(MainWindowRulesTest, AStoredRectangleFollowsAChangeOfScaling) {
    const StoredRect work{0, 0, 1920, 1040};
    const StoredRect stored{100, 50, 632, 500};
    const DpiScale normal;
    const DpiScale large(144);
    EXPECT_EQ(RescaleStoredRect(stored, normal, normal, work), stored) << "the same scaling changes nothing";
    EXPECT_EQ(RescaleStoredRect(stored, normal, large, work), (StoredRect{100, 50, 898, 725}));
    // Grown past the work area: moved back into it, and shrunk to it when larger.
    EXPECT_EQ(RescaleStoredRect({1500, 700, 1900, 1000}, normal, large, work), (StoredRect{1320, 590, 1920, 1040}));
    EXPECT_EQ(RescaleStoredRect({10, 10, 1500, 800}, normal, DpiScale(192), work), (StoredRect{0, 0, 1920, 1040}));
    // A work area that does not start at the origin (a task bar at the left or the top).
    EXPECT_EQ(RescaleStoredRect({0, 0, 400, 300}, large, normal, {60, 40, 1920, 1080}), (StoredRect{60, 40, 327, 240}));
}

} // namespace
} // namespace vaultlet::main_window
