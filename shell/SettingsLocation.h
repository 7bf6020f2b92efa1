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
};

} // namespace vaultlet
