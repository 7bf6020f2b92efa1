#include "shell/win32/options/AboutDialog.h"

#include "resources/resource.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/win32/GuiDriver.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

TEST(AboutDialogTest, ShowsTheProductItsVersionAndPurpose) {
    AboutDialog about;
    test::ModalThread run([&] { return about.RunModal(nullptr); });
    const HWND window = run.WaitForDialogWhere([](HWND w) { return test::HasControl(w, IDC_ABOUT_VERSION); });
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::TextOf(window), test::Text(IDS_TITLE_ABOUT));
    EXPECT_EQ(test::ItemTextOf(window, IDC_ABOUT_PRODUCT), "Quillmoth Keyhaven");
    EXPECT_EQ(test::ItemTextOf(window, IDC_ABOUT_VERSION), "v1.0");
    EXPECT_NE(test::ItemTextOf(window, IDC_ABOUT_DESCRIPTION), "");
    test::Click(window, IDOK);
    ASSERT_TRUE(run.WaitForEnd());
    EXPECT_EQ(run.Result(), IDOK);
}

} // namespace
} // namespace vaultlet
