#pragma once

#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/DialogTemplate.h"

#include <string>

namespace vaultlet {

// Shows a crash report's whole text, read-only, in a resizable window with a size grip.
class CrashReportViewer final : public Dialog {
public:
    explicit CrashReportViewer(std::string report);

protected:
    bool OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    std::string_view HelpPage() const override { return "crash-report.html#view"; }

private:
    // Built once per process, in memory: the crash-report process loads no dialog resources of its own.
    static const DialogTemplate& Layout();
    void Arrange();

    std::string m_report;
};

} // namespace vaultlet
