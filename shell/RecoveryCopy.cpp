#include "shell/RecoveryCopy.h"

#include "core/Clock.h"
#include "core/EncryptedDatabase.h"
#include "core/LocalTime.h"
#include "resources/StringIds.h"
#include "services/LanguagePack.h"
#include "shell/DatabaseList.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/TextFormat.h"

#include <cstdio>
#include <ctime>

namespace vaultlet {
namespace {

// Copies written in one second are told apart by a number; beyond this many the place is given up.
constexpr int kAttempts = 20;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file's name without its folder and its last extension.
std::string StemOf(const std::string& path) {
    std::string name = path.substr(path.find_last_of("\\/") + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}

// A database name made fit for a file name: the characters no file name may hold become "_".
std::string FileNameSafe(const std::string& name) {
    std::string safe;
    for (const char c : name) {
        const bool forbidden =
            static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
        safe.push_back(forbidden ? '_' : c);
    }
    return safe;
}

std::string Moment(std::int64_t unixSeconds) {
    std::tm local{};
    if (!ToLocalTime(unixSeconds, local)) {
        return std::to_string(unixSeconds);
    }
    // Room for any value the fields could hold, not only for real dates.
    char text[80];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

// Writes a new copy into `folder`; the path written, or empty.
std::string WriteInto(EncryptedDatabase& database, const std::string& folder, std::int64_t now) {
    if (folder.empty()) {
        return {};
    }
    const std::string name(database.Name().Viewed());
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        const std::string path =
            DatabaseList::JoinPath(folder, RecoveryCopy::FileName(database.Path(), name, now, attempt));
        if (database.Files().Exists(path)) {
            continue;
        }
        return database.SaveWithResult(path) == SaveResult::Saved ? path : std::string();
    }
    return {};
}

} // namespace

std::string RecoveryCopy::Write(EncryptedDatabase& database, const std::string& documentsFolder) {
    const std::int64_t now = Clock::NowUnix();
    if (!database.Path().empty()) {
        std::string written = WriteInto(database, FolderOf(database.Path()), now);
        if (!written.empty()) {
            return written;
        }
    }
    return WriteInto(database, documentsFolder, now);
}

std::string RecoveryCopy::FileName(const std::string& databasePath, const std::string& databaseName,
                                   std::int64_t unixSeconds, int attempt) {
    const LanguagePack& language = LanguagePack::Instance();
    std::string stem = databasePath.empty() ? databaseName : StemOf(databasePath);
    if (stem.empty()) {
        stem = language.getString(IDS_KIND_DATABASE);
    }
    std::string moment = Moment(unixSeconds);
    if (attempt > 1) {
        moment += " " + std::to_string(attempt);
    }
    // A translated pattern the system's code page cannot show would bring in "?" characters.
    return FileNameSafe(FormatText(language.getString(IDS_RECOVERY_COPY_NAME), {stem, moment}) + "." +
                        language.getString(IDS_DATABASE_EXTENSION));
}

void RecoveryCopy::Remember(const std::string& path) {
    Settings::Write(setting::kRecoveryCopy, path);
}

std::string RecoveryCopy::TakeUntold() {
    std::string path = Settings::Read(setting::kRecoveryCopy);
    if (!path.empty()) {
        Settings::Write(setting::kRecoveryCopy, "");
    }
    return path;
}

} // namespace vaultlet
