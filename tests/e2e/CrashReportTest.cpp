#include "tests/e2e/ProgramFixture.h"

#include "resources/resource.h"
#include "services/CrashReportText.h"
#include "tests/support/TempDir.h"
#include "tests/support/win32/GuiDriver.h"
#include "tests/support/win32/LoopbackHttpServer.h"

namespace vaultlet::e2e {
namespace {

using CrashReportTest = ProgramFixture;

TEST_F(CrashReportTest, TheCrashReportProcessSendsTheReportItWasGivenAndEndsWithZero) {
    test::LoopbackHttpServer server({{200, "<message>Thank you</message>"}});
    m_copy.SetCrashServer(server.Address());
    const std::string report = std::string(crash_report_text::kFirstLine) + "\r\n\r\nVaultlet caused ...\r\n";
    const std::string path = m_copy.File("cra1F3A.tmp");
    ASSERT_TRUE(test::WriteFileBytes(path, report));

    const auto program = m_copy.Start("/crash_report \"" + path + "\"", false);
    ASSERT_NE(program, nullptr);
    const HWND dialog = program->WaitForDialogWithControl(IDC_CRASH_STATUS);
    ASSERT_NE(dialog, nullptr);
    test::Click(dialog, IDOK);
    const HWND thanks = test::WaitForMessageBox(program->Id());
    ASSERT_NE(thanks, nullptr);
    EXPECT_EQ(test::MessageTextOf(thanks), "Thank you");
    PostMessageA(thanks, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(program->WaitForExit());
    EXPECT_EQ(program->ExitCode(), 0u);
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].body, "\r\n\r\n" + report);
}

} // namespace
} // namespace vaultlet::e2e
