#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vaultlet {

// The registry side of the settings store: the current user's key (values and list sub-keys),
// the machine key written by an installer, and the "Run at Windows Startup" entry. Every call
// opens the key, acts and closes it again; nothing is cached. Outside Windows there is no
// registry: readers find nothing and writers report failure.
class RegistryStore {
public:
    static std::optional<int> ReadInt(const std::string& key);
    static bool WriteInt(const std::string& key, int value);
    // Writes every value through one opening of the key; false when any of them failed.
    static bool WriteInts(const std::vector<std::pair<std::string, int>>& values);
    static std::optional<std::string> ReadString(const std::string& key);
    static bool WriteString(const std::string& key, const std::string& value);
    static std::vector<std::string> ReadList(const std::string& name);
    static bool WriteList(const std::string& name, const std::vector<std::string>& values);

    static std::optional<int> ReadMachineInt(const std::string& key);
    static std::optional<std::string> ReadMachineString(const std::string& key);

    static std::optional<std::string> ReadStartupEntry();
    static bool WriteStartupEntry(const std::string& command);
    static void DeleteStartupEntry();

    // Full path of the running executable; empty when it cannot be told.
    static std::string ExecutablePath();
    // Lower-cases ANSI text the way the system does for file names.
    static std::string ToLower(std::string text);
};

} // namespace vaultlet
