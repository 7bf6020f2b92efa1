#pragma once

#include <functional>
#include <string>

namespace vaultlet {

class CommandLine;

// The start-up's fork between the program and its crash-report process.
class CrashReportMode {
public:
    // Shows a report: its path and its whole text.
    using Presenter = std::function<void(const std::string& path, const std::string& report)>;

    // Started as `/crash_report FILE`: presents FILE when it is one of our reports (bounded in size,
    // starting with the report's first line; anything else is ignored without a word) and returns
    // true, and the caller ends with 0. Otherwise installs the crash reporter, which first takes a
    // secret of ours off the clipboard, and returns false. The crash-report process itself has no
    // reporter, so a crash there cannot start another one.
    static bool Enter(const CommandLine& commandLine, const Presenter& presenter = ShowDialog);

    // The real presenter: the crash dialog, owned by the active window.
    static void ShowDialog(const std::string& path, const std::string& report);
};

} // namespace vaultlet
