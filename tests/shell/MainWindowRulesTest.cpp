#include "shell/MainWindowRules.h"

#include <gtest/gtest.h>

namespace vaultlet::main_window {
namespace {

TEST(MainWindowRulesTest, MinimizeGoesToTheTrayOnlyWithAnIconToComeBackBy) {
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
}

TEST(MainWindowRulesTest, AnAutomaticLockHidesItsLoginOnlyWhereATrayIconBringsItBack) {
    EXPECT_TRUE(AutomaticLockShowsLogin(true, true));
    EXPECT_TRUE(AutomaticLockShowsLogin(true, false));
    EXPECT_FALSE(AutomaticLockShowsLogin(false, true));
    EXPECT_TRUE(AutomaticLockShowsLogin(false, false));
}

TEST(MainWindowRulesTest, CloseButtonMinimizesToTheTrayOrInCompactLayout) {
    TraySettings settings;
    EXPECT_FALSE(CloseButtonMinimizes(settings, false));
    EXPECT_TRUE(CloseButtonMinimizes(settings, true));
    settings.closeToTray = true;
    EXPECT_TRUE(CloseButtonMinimizes(settings, false));
    settings.showTrayIcon = false;
    EXPECT_FALSE(CloseButtonMinimizes(settings, false));
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

} // namespace
} // namespace vaultlet::main_window
