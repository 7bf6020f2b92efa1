// The new-version dialog on real windows: what it shows, the check box written back however it
// ends, and Download handing only a web address to the shell.
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
    // Runs the dialog for the offer and lets `drive` work on its window.
    static void Run(const UpdateOffer& offer, const std::function<void(HWND)>& drive) {
        NewVersionDialog dialog(offer);
        RunDialog(dialog, IsNewVersionDialog, drive);
    }

    const UpdateOffer m_offer{"9.9.9 %d", "https://example.org/get", "Faster start\nFewer bugs\n"};
};

TEST_F(NewVersionDialogTest, ShowsTheOfferAndWritesTheCheckBoxBackOnClose) {
    Settings::Write(setting::kCheckUpdatesOnStart, 0);
    Run(m_offer, [](HWND window) {
        EXPECT_EQ(test::TextOf(window), "New version available");
        EXPECT_EQ(test::ItemTextOf(window, IDC_NEWVERSION_HEADER),
                  "Keyhaven 9.9.9 %d Released\nPlease click the \"Download\" button to visit our download page.");
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
}

TEST_F(NewVersionDialogTest, DownloadOpensOnlyAWebAddress) {
    Settings::Write(setting::kCheckUpdatesOnStart, 0);
    Run(m_offer, [](HWND window) { Click(window, IDC_NEWVERSION_DOWNLOAD); });
    EXPECT_EQ(Opened(), std::vector<std::string>{"https://example.org/get"});
    EXPECT_EQ(Settings::Read(setting::kCheckUpdatesOnStart), 1);

    UpdateOffer local = m_offer;
    local.address = "C:\\Windows\\system32\\cmd.exe";
    Run(local, [](HWND window) { Click(window, IDC_NEWVERSION_DOWNLOAD); });
    EXPECT_EQ(Opened().size(), 1u) << "the address is checked again before it is opened";
}

} // namespace
} // namespace vaultlet
