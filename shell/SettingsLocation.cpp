#include "shell/SettingsLocation.h"

#include <utility>

namespace vaultlet {
namespace {

// Read and written on the user-interface thread only.
std::string& Location() {
    static std::string location;
    return location;
}

} // namespace

const std::string& SettingsLocation::Get() {
    return Location();
}

void SettingsLocation::Set(std::string iniPath) {
    Location() = std::move(iniPath);
}

std::string SettingsLocation::Choose(const std::string& commandLinePath, bool installedCopy,
                                     const std::string& executablePath) {
    if (!commandLinePath.empty()) {
        return commandLinePath;
    }
    return installedCopy ? std::string() : IniBesideExecutable(executablePath);
}

std::string SettingsLocation::IniBesideExecutable(const std::string& executablePath) {
    constexpr std::size_t kExtensionLength = 4;
    if (executablePath.size() <= kExtensionLength) {
        return {};
    }
    return executablePath.substr(0, executablePath.size() - kExtensionLength) + ".ini";
}

} // namespace vaultlet
