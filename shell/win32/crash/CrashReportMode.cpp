#include "shell/win32/crash/CrashReportMode.h"

#include "services/CrashReportText.h"
#include "services/win32/CrashReporter.h"
#include "shell/CommandLine.h"
#include "shell/win32/crash/CrashReportDialog.h"
#include "shell/win32/system/ProgramVersion.h"

#include <optional>

namespace vaultlet {

bool CrashReportMode::Enter(const CommandLine& commandLine, const Presenter& presenter) {
    if (!commandLine.IsCrashReport()) {
        const ProgramVersion version = ProgramVersion::OfThisProgram();
        CrashReporter::Install({version.major, version.minor, version.patch, version.build});
        return false;
    }
    const std::string path = commandLine.CrashReportFile();
    if (const std::optional<std::string> report = crash_report_text::ReadReport(path)) {
        presenter(path, *report);
    }
    return true;
}

void CrashReportMode::ShowDialog(const std::string& path, const std::string& report) {
    CrashReportDialog dialog(path, report);
    dialog.RunModal(GetActiveWindow());
}

} // namespace vaultlet
