#include "shell/Settings.h"

#include "shell/IniFile.h"
#include "shell/RegistryStore.h"
#include "shell/SettingsLocation.h"
#include "shell/StartupEntry.h"

#include <climits>
#include <cstdint>
#include <mutex>

namespace vaultlet {
namespace {

// One reader or writer of the ini file at a time in this process. A write loads the whole file,
// changes one value and writes it all back: two threads writing at once (the main window storing
// the last database while a dialog's thread stores its choice) would each write back the other's
// value as it was before, and one change would be lost without a word.
std::mutex& IniAccess() {
    static std::mutex access;
    return access;
}

std::optional<std::string> ReadIniValue(const std::string& section, const std::string& key) {
    const std::lock_guard<std::mutex> lock(IniAccess());
    IniFile ini;
    ini.Load(SettingsLocation::Get());
    return ini.Get(section, key);
}

// Loads the ini file, lets change alter the image and writes it back. A file that exists but
// cannot be read is left alone: writing an empty image over it would lose every other setting.
template <typename Change>
bool UpdateIni(Change change) {
    const std::lock_guard<std::mutex> lock(IniAccess());
    IniFile ini;
    if (ini.Load(SettingsLocation::Get()) == IniFile::LoadResult::Unreadable) {
        return false;
    }
    change(ini);
    return ini.Save(SettingsLocation::Get());
}

} // namespace

int Settings::ReadInt(const std::string& key, int defaultValue) {
    if (!SettingsLocation::IsIniFile()) {
        return RegistryStore::ReadInt(key).value_or(defaultValue);
    }
    const auto text = ReadIniValue(kIniSection, key);
    return text ? ParseInt(*text) : defaultValue;
}

void Settings::WriteInt(const std::string& key, int value) {
    if (!SettingsLocation::IsIniFile()) {
        RegistryStore::WriteInt(key, value);
        return;
    }
    UpdateIni([&](IniFile& ini) { ini.Set(kIniSection, key, std::to_string(value)); });
}

bool Settings::WriteInts(const std::vector<std::pair<std::string, int>>& values) {
    if (!SettingsLocation::IsIniFile()) {
        return RegistryStore::WriteInts(values);
    }
    return UpdateIni([&](IniFile& ini) {
        for (const auto& [key, value] : values) {
            ini.Set(kIniSection, key, std::to_string(value));
        }
    });
}

std::string Settings::ReadString(const std::string& key, const std::string& defaultValue) {
    const auto value = SettingsLocation::IsIniFile() ? ReadIniValue(kIniSection, key) : RegistryStore::ReadString(key);
    return value.value_or(defaultValue);
}

void Settings::WriteString(const std::string& key, const std::string& value) {
    if (!SettingsLocation::IsIniFile()) {
        RegistryStore::WriteString(key, value);
        return;
    }
    UpdateIni([&](IniFile& ini) { ini.Set(kIniSection, key, value); });
}

std::vector<std::string> Settings::ReadList(const std::string& name) {
    if (!SettingsLocation::IsIniFile()) {
        return RegistryStore::ReadList(name);
    }
    const std::lock_guard<std::mutex> lock(IniAccess());
    IniFile ini;
    ini.Load(SettingsLocation::Get());
    return ini.List(name);
}

void Settings::WriteList(const std::string& name, const std::vector<std::string>& values) {
    if (!SettingsLocation::IsIniFile()) {
        RegistryStore::WriteList(name, values);
        return;
    }
    UpdateIni([&](IniFile& ini) { ini.ReplaceList(name, values); });
}

int Settings::ReadMachineInt(const std::string& key, int defaultValue) {
    return RegistryStore::ReadMachineInt(key).value_or(defaultValue);
}

namespace {

bool IsSeparator(char character) {
    return character == '\\' || character == '/';
}

// The path begins with the folder and the folder's name ends there: a portable copy in
// "...\Quillmoth Keyhaven 2" is not the installed "...\Quillmoth Keyhaven" and keeps its own settings.
bool LiesInFolder(const std::string& path, const std::string& folder) {
    return path.starts_with(folder) &&
           (IsSeparator(folder.back()) || path.size() == folder.size() || IsSeparator(path[folder.size()]));
}

} // namespace

bool Settings::IsInstalledCopy() {
    const std::string installDir = RegistryStore::ReadMachineString(setting::kInstallDir.key).value_or("");
    if (installDir.empty()) {
        return false;
    }
    return LiesInFolder(RegistryStore::ToLower(RegistryStore::ExecutablePath()), RegistryStore::ToLower(installDir));
}

int Settings::ReadCheckUpdatesOnStart() {
    const IntSetting& option = setting::kCheckUpdatesOnStart;
    return ReadInt(option.key, ReadMachineInt(option.key, option.defaultValue));
}

bool Settings::ExportSettingsToIni(const std::string& path) {
    IniFile ini;
    for (const IntSetting& option : setting::kExportedInts) {
        ini.Set(kIniSection, option.key, std::to_string(Read(option)));
    }
    for (const StringSetting& option : setting::kExportedStrings) {
        ini.Set(kIniSection, option.key, Read(option));
    }
    ini.ReplaceList(setting::kDataBaseList, ReadList(setting::kDataBaseList));
    return ini.Save(path);
}

std::string Settings::StartupCommand() {
    return StartupEntry::CommandFor(RegistryStore::ExecutablePath());
}

bool Settings::StartupEntryPointsHere() {
    const auto entry = RegistryStore::ReadStartupEntry();
    return entry && StartupEntry::StartsExecutable(*entry, RegistryStore::ExecutablePath());
}

bool Settings::WriteStartupEntry() {
    return RegistryStore::WriteStartupEntry(StartupCommand());
}

void Settings::DeleteStartupEntry() {
    RegistryStore::DeleteStartupEntry();
}

int Settings::ParseInt(const std::string& text) {
    std::size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string::npos) {
        return 0;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > static_cast<std::int64_t>(INT_MAX) + 1) {
            break; // saturate rather than overflow on absurdly long digit runs
        }
    }
    value = negative ? -value : value;
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

} // namespace vaultlet
