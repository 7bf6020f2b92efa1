#pragma once

#include <string>

namespace vaultlet {

// Where the settings live for this process: the path of the portable ini file, or empty for the
// current user's registry key. Fixed at start-up from the command line and the executable's
// place; a second instance must use the same location to hand a file over.
class SettingsLocation {
public:
    static const std::string& Get();
    static void Set(std::string iniPath);
    static bool IsIniFile() { return !Get().empty(); }

    // Where a process keeps its settings: the "-c" path when one was given; else, for a copy that no
    // installer put in place, the ini file beside the executable; else the registry (empty).
    static std::string Choose(const std::string& commandLinePath, bool installedCopy,
                              const std::string& executablePath);
    // The executable's path with its last four characters (".exe") replaced by ".ini"; empty when
    // the path is too short to have them.
    static std::string IniBesideExecutable(const std::string& executablePath);
};

} // namespace vaultlet
