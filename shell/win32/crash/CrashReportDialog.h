#pragma once

#include "services/UpdateEndpoint.h"
#include "shell/ProductSite.h"
#include "shell/win32/ui/CommandTable.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/DialogTemplate.h"

#include <memory>
#include <string>

namespace vaultlet {

struct CrashUploadJob;

// The crash-report process's only window: tells the user that the program crashed, shows the report
// on request and sends it, with a description, to the maker's crash-report service.
//
// Input: the report's path and text (already checked to be a report) and the service's address.
// It starts on the explanation page; Send Report switches to the sending page (status log and
// progress) and uploads on a thread of its own. A sent report closes the dialog; a failed upload
// stays on the sending page with "Fail to send report." until the user closes it. Close during an
// upload stops it and ends the dialog at once, even when the network stalls. Sent or not, the report
// file is deleted when the dialog ends: it may hold what the crashed program was doing, and nobody
// looks for it in the temporary folder afterwards.
class CrashReportDialog final : public Dialog {
public:
    static constexpr const char* kPrivacyPage = product_site::kCrashPrivacyPage;
    // How much taller "Provide additional info" makes the dialog, in pixels at 96 DPI.
    static constexpr int kDescriptionGrowth = 80;

    CrashReportDialog(std::string path, std::string report,
                      UpdateEndpoint endpoint = UpdateEndpoint::Configured(UpdateEndpoint::Service::CrashReport));
    ~CrashReportDialog() override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    std::string_view HelpPage() const override { return "crash-report.html"; }
    void OnOk() override;
    void OnCancel() override;
    void OnDestroy() override;

private:
    // Built once per process, in memory: the crash-report process loads no dialog resources of its own.
    static const DialogTemplate& Layout();
    void OnView();
    void OnMoreInfo();
    void OnPrivacy();
    void ShowSendingPage(bool sending);
    void AppendStatus(int stringId);
    void OnUploadStatus(DWORD status);
    void OnUploadDone();

    static const CommandTable<CrashReportDialog> kCommands;

    std::string m_path;
    std::string m_report;
    UpdateEndpoint m_endpoint;
    std::shared_ptr<CrashUploadJob> m_job;
    bool m_describing = false;
    HICON m_warningIcon = nullptr;
};

} // namespace vaultlet
