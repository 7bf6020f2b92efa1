#include "shell/win32/crash/CrashReportMode.h"

#include "autofill/win32/ClipboardKeeper.h"
#include "services/CrashReportText.h"
#include "services/win32/CrashReporter.h"
#include "shell/CommandLine.h"
#include "shell/win32/crash/CrashReportDialog.h"
#include "shell/win32/system/ProgramVersion.h"

#include <optional>

namespace vaultlet {
namespace {

// A crash must not leave a copied password on the clipboard with no countdown left to clear it.
void ClearSecretsAfterCrash() {
    try {
        if (ClipboardKeeper* keeper = ClipboardKeeper::Current()) {
            keeper->ClearIfOurs();
        }
    } catch (...) {
        // The process ends in a moment anyway.
    }
}

} // namespace

bool CrashReportMode::Enter(const CommandLine& commandLine, const Presenter& presenter) {
    if (!commandLine.IsCrashReport()) {
        const ProgramVersion version = ProgramVersion::OfThisProgram();
        CrashReporter::Install({version.major, version.minor, version.patch, version.build});
        CrashReporter::SetCleanup(ClearSecretsAfterCrash);
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
