#include "shell/win32/system/HotKeyRegistration.h"

#include "shell/Settings.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/win32/Win32TestWindows.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace vaultlet {
namespace {

TEST(HotKeyRegistrationTest, RegistersUnderARandomAtomAndReleasesEverything) {
    EXPECT_EQ(HotKeyRegistration::SystemModifiers(6), static_cast<UINT>(MOD_CONTROL | MOD_ALT));
    EXPECT_EQ(HotKeyRegistration::SystemModifiers(1), static_cast<UINT>(MOD_SHIFT));
    EXPECT_EQ(HotKeyRegistration::SystemModifiers(8 | 4), static_cast<UINT>(MOD_ALT)) << "the extended bit is dropped";

    const HWND window = test::CreateOwnerWindow();
    ASSERT_NE(window, nullptr);
    {
        HotKeyRegistration first;
        ASSERT_TRUE(first.Register(HOTKEYF_CONTROL | HOTKEYF_SHIFT, 'K', window));
        EXPECT_FALSE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_SHIFT, 'K')) << "the combination is taken";
        HotKeyRegistration second;
        EXPECT_FALSE(second.Register(HOTKEYF_CONTROL | HOTKEYF_SHIFT, 'K', window)) << "taken is no error";
        EXPECT_FALSE(second.IsRegistered());

        ASSERT_TRUE(first.Register(HOTKEYF_ALT, 'K', window)) << "registering again replaces the old one";
        EXPECT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_SHIFT, 'K'));
        UnregisterHotKey(nullptr, 7);
    }
    EXPECT_TRUE(RegisterHotKey(nullptr, 7, MOD_ALT, 'K')) << "released with its owner";
    UnregisterHotKey(nullptr, 7);
    DestroyWindow(window);
}

using HotKeyFromSettingsTest = test::ShellGuiFixture;

// Which stored combinations are replaced is ProgramOptionsTest's; here the replacement is what gets
// registered, and the plain key stays every other program's.
TEST_F(HotKeyFromSettingsTest, AStoredKeyWithoutCtrlOrAltIsNotRegisteredButTheDefaultIs) {
    ASSERT_TRUE(Settings::WriteInts({{"HonKeyKey", 'K'}, {"HonKeyModifier", 0}}));
    const HWND window = test::CreateOwnerWindow();
    ASSERT_NE(window, nullptr);
    {
        HotKeyRegistration registration;
        ASSERT_TRUE(registration.RegisterFromSettings(window));
        EXPECT_TRUE(RegisterHotKey(nullptr, 7, 0, 'K')) << "the plain key is not taken";
        UnregisterHotKey(nullptr, 7);
        EXPECT_FALSE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'F')) << "the default is";
    }
    DestroyWindow(window);
}

} // namespace
} // namespace vaultlet
