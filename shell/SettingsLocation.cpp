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

} // namespace vaultlet
