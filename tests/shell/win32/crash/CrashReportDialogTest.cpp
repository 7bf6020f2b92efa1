#include "shell/win32/crash/CrashReportDialog.h"

#include "resources/resource.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/win32/GuiDriver.h"
#include "tests/support/win32/LoopbackHttpServer.h"

#include <chrono>
#include <filesystem>

namespace vaultlet {
namespace {

using test::Click;
using test::LoopbackHttpServer;

bool IsCrashDialog(HWND window) {
    return test::HasControl(window, IDC_CRASH_STATUS);
}

class CrashReportDialogTest : public test::ShellGuiFixture {
protected:
    void SetUp() override {
        ShellGuiFixture::SetUp();
        // Longer than one 128-byte piece, with every byte value a report file could hold.
        for (int line = 0; m_report.size() < 1000; ++line) {
            m_report += "line " + std::to_string(line) + " \x01\xff\r\n";
        }
    }
    INT_PTR Run(const std::string& server, const std::function<void(HWND)>& drive) {
        EXPECT_TRUE(test::WriteFileBytes(m_file, m_report));
        CrashReportDialog dialog(m_file, m_report, UpdateEndpoint::WithServer(server).value());
        return RunDialog(dialog, IsCrashDialog, drive);
    }
    bool FileIsThere() const { return std::filesystem::exists(m_file); }

    std::string m_report;
    std::string m_file = ProgramFile("cra1.tmp");
};

TEST_F(CrashReportDialogTest, ShowsTheReportAndOpensThePrivacyPage) {
    const INT_PTR result = Run(LoopbackHttpServer::RefusingAddress(), [&](HWND window) {
        Click(window, IDC_CRASH_VIEW_LINK);
        const HWND viewer = test::WaitForDialog(
            GetCurrentProcessId(), [](HWND candidate) { return test::HasControl(candidate, IDC_CRASH_VIEWER_TEXT); });
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(test::ItemTextOf(viewer, IDC_CRASH_VIEWER_TEXT), m_report);
        Click(viewer, IDCANCEL);
        EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(viewer); }));

        Click(window, IDC_CRASH_PRIVACY_LINK);
        EXPECT_TRUE(test::WaitUntil([&] { return !Opened().empty(); }));
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(Opened(), std::vector<std::string>{CrashReportDialog::kPrivacyPage});
    EXPECT_FALSE(FileIsThere()) << "closed: the report file is deleted";
}

TEST_F(CrashReportDialogTest, SendsTheDescriptionAndTheReportInOnePostAndClosesWhenSent) {
    LoopbackHttpServer server({{200, "<html><message>Thanks</message></html>"}});
    const INT_PTR result = Run(server.Address(), [&](HWND window) {
        Click(window, IDC_CRASH_MORE_LINK);
        test::SetItemTextOf(window, IDC_CRASH_DESCRIPTION, "it broke");
        Click(window, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_FALSE(FileIsThere()) << "sent: the report file is deleted";
    const std::vector<LoopbackHttpServer::Request> requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "POST");
    EXPECT_EQ(requests[0].target, "/crash.php?product=khaven");
    EXPECT_EQ(requests[0].headers.at("content-length"), std::to_string(8 + 4 + m_report.size()));
    EXPECT_EQ(requests[0].body, "it broke\r\n\r\n" + m_report);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Thanks"});
}

TEST_F(CrashReportDialogTest, AFailedUploadStaysOnScreenAndCloseEndsAStalledOne) {
    LoopbackHttpServer failing({{500, "</message>no<message>"}});
    Run(failing.Address(), [&](HWND window) {
        Click(window, IDOK);
        EXPECT_TRUE(test::WaitUntil([&] {
            return test::ItemTextOf(window, IDC_CRASH_STATUS).find("Fail to send report.") != std::string::npos;
        }));
        EXPECT_TRUE(FileIsThere()) << "the report is kept while the dialog is open";
        Click(window, IDCANCEL);
    });
    EXPECT_TRUE(Messages().empty()) << "no message without both tags in order";
    ASSERT_EQ(failing.Requests().size(), 1u);
    EXPECT_EQ(failing.Requests()[0].body, "\r\n\r\n" + m_report) << "the separator even without a description";

    LoopbackHttpServer stalling({{200, "", LoopbackHttpServer::Response::Kind::Stall}});
    const auto start = std::chrono::steady_clock::now();
    const INT_PTR result = Run(stalling.Address(), [&](HWND window) {
        Click(window, IDOK);
        EXPECT_TRUE(stalling.WaitForRequests(1));
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << "not held by the network";
}

} // namespace
} // namespace vaultlet
