// What the offer shows, and its check box, are NewVersionDialogTest's.
#include "tests/e2e/ProgramFixture.h"

#include "Version.h"
#include "resources/resource.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "tests/support/win32/GuiDriver.h"
#include "tests/support/win32/LoopbackHttpServer.h"

namespace vaultlet::e2e {
namespace {

using UpdateCheckTest = ProgramFixture;

TEST_F(UpdateCheckTest, TheFirstLoginAsksWithTheProgramsVersionAndShowsTheOffer) {
    test::LoopbackHttpServer server({{200, "\r\n9.9.9\r\nhttp://example.org/download\r\n"}, {200, "Faster start\n"}});
    m_copy.SetUpdateServer(server.Address());
    Settings::WriteList(setting::kDataBaseList, {MakeDatabase("home.kvtdat", "Home")});

    const auto program = m_copy.Start();
    ASSERT_NE(program, nullptr);
    const HWND login = program->WaitForLogin();
    ASSERT_NE(login, nullptr);
    const HWND dialog = program->WaitForDialogWithControl(IDC_NEWVERSION_CHANGELOG);
    ASSERT_NE(dialog, nullptr);

    // The service is asked with the minor number first.
    const std::string version = std::to_string(VAULTLET_VERSION_MINOR) + "." + std::to_string(VAULTLET_VERSION_MAJOR) +
                                "." + std::to_string(VAULTLET_VERSION_PATCH) + "." +
                                std::to_string(VAULTLET_VERSION_BUILD);
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].target, "/update.php?product=keyhaven&version=" + version + "&type=std&request=url");

    test::Click(dialog, IDC_NEWVERSION_CLOSE);
    EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(dialog); }));
    test::Click(login, IDCANCEL);
    ASSERT_TRUE(program->WaitForExit());
}

} // namespace
} // namespace vaultlet::e2e
