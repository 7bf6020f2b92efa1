#pragma once

#include "shell/SettingKeys.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vaultlet {

// The program's per-user options. Each call goes to the backing store at once: the current user's
// registry key, or the ini file named by SettingsLocation when that is not empty. Nothing is
// cached, so a value written here is what the next reader, in this process or another one using
// the same store, gets. No operation reports an error: a reader falls back to its default and a
// write that cannot be stored is dropped.
class Settings {
public:
    // The ini section holding the single values; lists have a section of their own name.
    static constexpr const char* kIniSection = "Quillmoth Keyhaven";

    static int ReadInt(const std::string& key, int defaultValue);
    static void WriteInt(const std::string& key, int value);
    // Stores all the values at once: in ini mode one load, one change and one whole-file save, so
    // either every value lands or none does. False when the store could not take them all.
    static bool WriteInts(const std::vector<std::pair<std::string, int>>& values);
    static std::string ReadString(const std::string& key, const std::string& defaultValue);
    static void WriteString(const std::string& key, const std::string& value);
    static std::vector<std::string> ReadList(const std::string& name);
    static void WriteList(const std::string& name, const std::vector<std::string>& values);

    // From the machine key in both modes (registry only).
    static int ReadMachineInt(const std::string& key, int defaultValue);
    // True when an installer recorded a folder and the running executable lies inside it.
    static bool IsInstalledCopy();
    // Writes a complete portable ini file at path (replacing any file there) from the values the
    // current store holds. False when the file cannot be written.
    static bool ExportSettingsToIni(const std::string& path);

    static int Read(const IntSetting& setting) { return ReadInt(setting.key, setting.defaultValue); }
    static void Write(const IntSetting& setting, int value) { WriteInt(setting.key, value); }
    static std::string Read(const StringSetting& setting) { return ReadString(setting.key, setting.defaultValue); }
    static void Write(const StringSetting& setting, const std::string& value) { WriteString(setting.key, value); }
    // "CheckUpdatesOnStart" defaults to the machine-wide choice of the installer, else 0.
    static int ReadCheckUpdatesOnStart();

    // The "Run at Windows Startup" entry, kept in the registry in both modes (see StartupEntry).
    static std::string StartupCommand();
    static bool StartupEntryPointsHere();
    static bool WriteStartupEntry();
    static void DeleteStartupEntry();

    // The integer an ini value stands for: its leading base-10 digits (with an optional sign),
    // 0 when there are none.
    static int ParseInt(const std::string& text);
};

} // namespace vaultlet
