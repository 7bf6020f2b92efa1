#include "shell/win32/update/NewVersionDialog.h"

#include "resources/resource.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/win32/GuiDriver.h"

namespace vaultlet {
namespace {

using test::Click;

bool IsNewVersionDialog(HWND window) {
    return test::HasControl(window, IDC_NEWVERSION_CHANGELOG);
}

class NewVersionDialogTest : public test::ShellGuiFixture {
protected:
    static void Run(const UpdateOffer& offer, const std::function<void(HWND)>& drive) {
        NewVersionDialog dialog(offer);
        RunDialog(dialog, IsNewVersionDialog, drive);
    }

    const UpdateOffer m_offer{"9.9.9 %d", "https://example.org/get", "Faster start\nFewer bugs\n"};
};

TEST_F(NewVersionDialogTest, WritesTheCheckBoxBackOnCloseAndDownloadOpensOnlyAWebAddress) {
    Settings::Write(setting::kCheckUpdatesOnStart, 0);
    Run(m_offer, [](HWND window) {
        EXPECT_EQ(test::ItemTextOf(window, IDC_NEWVERSION_CHANGELOG), "Faster start\r\nFewer bugs\r\n");
        EXPECT_TRUE(test::IsChecked(window, IDC_NEWVERSION_CHECK_ON_START)) << "ticked even with the setting off";
        Click(window, IDC_NEWVERSION_CLOSE);
    });
    EXPECT_EQ(Settings::Read(setting::kCheckUpdatesOnStart), 1);

    Run(m_offer, [](HWND window) {
        Click(window, IDC_NEWVERSION_CHECK_ON_START);
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0); // Esc or the caption's close button
    });
    EXPECT_EQ(Settings::Read(setting::kCheckUpdatesOnStart), 0);
    EXPECT_TRUE(Opened().empty());

    Run(m_offer, [](HWND window) { Click(window, IDC_NEWVERSION_DOWNLOAD); });
    EXPECT_EQ(Opened(), std::vector<std::string>{"https://example.org/get"});

    UpdateOffer local = m_offer;
    local.address = "C:\\Windows\\system32\\cmd.exe";
    Run(local, [](HWND window) { Click(window, IDC_NEWVERSION_DOWNLOAD); });
    EXPECT_EQ(Opened().size(), 1u) << "the address is checked again before it is opened";
}

} // namespace
} // namespace vaultlet
