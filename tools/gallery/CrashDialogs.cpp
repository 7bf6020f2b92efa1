// What the crash-report process shows: the crash dialog on its explanation page, with the description
// box open, after a failed upload, and the report viewer.
#include "tools/gallery/Gallery.h"

#include "resources/resource.h"
#include "shell/win32/crash/CrashReportDialog.h"
#include "shell/win32/crash/CrashReportViewer.h"

namespace vaultlet::gallery {
namespace {

constexpr const char* kSampleReport =
    "===== [start of Crash Report] =====\r\n\r\n"
    "Vaultlet caused an Access Violation (0xc0000005) \r\n"
    "in module Vaultlet.exe at 0033:00000001400015d3.\r\n\r\n"
    "Version: 1.2.1.26 [26/ansi]\r\n"
    "Exception handler called in MainThread.\r\n"
    "Error occurred at 12/6/2026 23:32:30.\r\n\r\n"
    "C:\\Program Files\\Quillmoth\\Keyhaven\\Vaultlet.exe, run by user.\r\n"
    "Operating system:  unknown Windows version (10.0.19045) 64-bit.\r\n"
    "\r\nContext:\r\n"
    "RDI:    0x????????????????  RSI: 0x0000000000000001  RAX:   0x????????????????\r\n"
    "\r\nCallStack:\r\n"
    "0000000140000000  C:\\Program Files\\Quillmoth\\Keyhaven\\Vaultlet.exe\r\n"
    "  +000015D3  Exception Offset\r\n"
    "\r\n===== [end of Crash Report] =====\r\n";
// Nothing listens there: an upload fails at once.
constexpr const char* kClosedPort = "127.0.0.1:9";

// Shows the dialog once `prepare` has brought it into the state of the picture, then keeps it up
// until it is closed.
void ShowPrepared(const std::function<bool(HWND)>& prepare) {
    CrashReportDialog dialog("C:\\temp\\cra1F3A.tmp", kSampleReport, UpdateEndpoint::WithServer(kClosedPort).value());
    const HWND window = dialog.CreateModeless(nullptr);
    bool ready = false;
    MSG message;
    do {
        if (!ready && prepare(window)) {
            ready = true;
            ShowWindow(window, SW_SHOW);
        }
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
            break;
        }
        if (!IsDialogMessageA(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    } while (IsWindow(window));
}

void Press(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

const Registration kCrashReport("crash-report", [](Scene&) {
    CrashReportDialog dialog("C:\\temp\\cra1F3A.tmp", kSampleReport);
    dialog.RunModal(nullptr);
});

const Registration kCrashReportDescribe("crash-report-describe", [](Scene&) {
    ShowPrepared([](HWND dialog) {
        Press(dialog, IDC_CRASH_MORE_LINK);
        SetDlgItemTextA(dialog, IDC_CRASH_DESCRIPTION, "I pressed Save while the database was locked.");
        return true;
    });
});

const Registration kCrashReportFailed("crash-report-failed", [](Scene&) {
    bool sent = false;
    ShowPrepared([&](HWND dialog) {
        if (!sent) {
            sent = true;
            Press(dialog, IDOK);
        }
        char log[1024] = "";
        GetDlgItemTextA(dialog, IDC_CRASH_STATUS, log, sizeof log);
        return std::string(log).find("Fail to send report.") != std::string::npos;
    });
});

const Registration kCrashReportViewer("crash-report-viewer", [](Scene&) {
    CrashReportViewer viewer(kSampleReport);
    viewer.RunModal(nullptr);
});

} // namespace
} // namespace vaultlet::gallery
