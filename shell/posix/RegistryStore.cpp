// Outside Windows the settings live in ini files only: there is no registry to read or write.
#include "shell/RegistryStore.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <unistd.h>

namespace vaultlet {

std::optional<int> RegistryStore::ReadInt(const std::string&) {
    return std::nullopt;
}

bool RegistryStore::WriteInt(const std::string&, int) {
    return false;
}

bool RegistryStore::WriteInts(const std::vector<std::pair<std::string, int>>&) {
    return false;
}

std::optional<std::string> RegistryStore::ReadString(const std::string&) {
    return std::nullopt;
}

bool RegistryStore::WriteString(const std::string&, const std::string&) {
    return false;
}

std::vector<std::string> RegistryStore::ReadList(const std::string&) {
    return {};
}

bool RegistryStore::WriteList(const std::string&, const std::vector<std::string>&) {
    return false;
}

std::optional<int> RegistryStore::ReadMachineInt(const std::string&) {
    return std::nullopt;
}

std::optional<std::string> RegistryStore::ReadMachineString(const std::string&) {
    return std::nullopt;
}

std::optional<std::string> RegistryStore::ReadStartupEntry() {
    return std::nullopt;
}

bool RegistryStore::WriteStartupEntry(const std::string&) {
    return false;
}

void RegistryStore::DeleteStartupEntry() {}

std::string RegistryStore::ExecutablePath() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof path) {
        return {};
    }
    return std::string(path, static_cast<std::size_t>(length));
}

std::string RegistryStore::ToLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace vaultlet
