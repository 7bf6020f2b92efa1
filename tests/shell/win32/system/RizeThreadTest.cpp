#include "shell/win32/system/RizeThread.h"

#include "shell/win32/ui/DialogTemplate.h"
#include "shell/win32/ui/ScopedHandles.h"
#include "tests/support/win32/GuiDriver.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

TEST(RizeThreadTest, EachSignalRaisesTheCurrentWindowUntilStopped) {
    DialogTemplate layout("Raise me", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 120, 40);
    UniqueHandle instanceEvent(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    HWND window = CreateDialogIndirectParamA(
        GetModuleHandleA(nullptr), layout.Get(), nullptr, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; },
        0);
    ASSERT_NE(window, nullptr);
    RizeThread rize(instanceEvent.Get());
    ASSERT_TRUE(rize.Start());
    ASSERT_TRUE(rize.WaitRunning(10000));

    SetEvent(instanceEvent.Get()); // no window yet: nothing happens
    EXPECT_FALSE(test::WaitUntil([&] { return IsWindowVisible(window) != 0; }, 300));
    rize.SetWindow(window);
    SetEvent(instanceEvent.Get());
    EXPECT_TRUE(test::WaitUntil([&] { return IsWindowVisible(window) != 0; }));

    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window));
    SetEvent(instanceEvent.Get());
    EXPECT_TRUE(test::WaitUntil([&] { return !IsIconic(window); })) << "a minimised window is restored";

    rize.Shutdown();
    EXPECT_FALSE(rize.IsRunning());
    ShowWindow(window, SW_HIDE);
    SetEvent(instanceEvent.Get());
    EXPECT_FALSE(test::WaitUntil([&] { return IsWindowVisible(window) != 0; }, 300))
        << "a stopped thread raises nothing";
    DestroyWindow(window);
}

} // namespace
} // namespace vaultlet
