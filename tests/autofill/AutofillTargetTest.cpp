#include "autofill/AutofillTarget.h"

#include "tests/autofill/FakeWindowSystem.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

using test::FakeWindowSystem;

TEST(AutofillTargetTest, TheWindowIsTheTargetOnlyWhileItShowsTheSameTitleInTheSameProgram) {
    FakeWindowSystem windows;
    const WindowHandle browser = windows.Show(0, "", "Chrome_WidgetWin_1", "chrome.exe");
    windows.windows[browser].title = "Log in - Shop";
    const AutofillTarget target = AutofillTarget::Take(windows, browser, 1000);
    EXPECT_EQ(target.Window(), browser);
    EXPECT_EQ(target.Title(), "Log in - Shop");
    EXPECT_EQ(target.Program(), "chrome.exe");
    EXPECT_TRUE(target.IsUnchanged(windows));

    windows.windows[browser].title = "Log in - Evil";
    EXPECT_FALSE(target.IsUnchanged(windows)) << "another page in the same window";
    windows.windows[browser].title = "Log in - Shop";
    windows.windows[browser].program = "evil.exe";
    EXPECT_FALSE(target.IsUnchanged(windows)) << "the handle now names another program's window";
    windows.windows.erase(browser);
    EXPECT_FALSE(target.IsUnchanged(windows)) << "closed";

    // A window whose program cannot be found out is no target, and neither is none.
    const WindowHandle unknown = windows.Show(1, "", "Form", "");
    EXPECT_FALSE(AutofillTarget::Take(windows, unknown, 0).IsUnchanged(windows));
    EXPECT_FALSE(AutofillTarget().IsUnchanged(windows));
}

TEST(AutofillTargetTest, ARememberedTargetIsRecentForAMinute) {
    FakeWindowSystem windows;
    const AutofillTarget target = AutofillTarget::Take(windows, windows.Show(0, "", "Form", "app.exe"), 5000);
    EXPECT_TRUE(target.IsRecentAt(5000));
    EXPECT_TRUE(target.IsRecentAt(5000 + AutofillTarget::kRememberedMilliseconds));
    EXPECT_FALSE(target.IsRecentAt(5001 + AutofillTarget::kRememberedMilliseconds));
    EXPECT_FALSE(target.IsRecentAt(4999)) << "a clock that went back proves nothing";
}

} // namespace
} // namespace vaultlet
