#include "shell/RemovableInstall.h"

#include "core/ModifiedFlag.h"
#include "core/SecureString.h"
#include "shell/DatabaseList.h"
#include "shell/LoginListPlan.h"
#include "shell/NodeEditing.h"
#include "shell/Settings.h"

namespace vaultlet {
namespace {

// Gives the database another name for as long as it lives, then its own name and modified state
// back, whatever happened meanwhile (a failed save raises the flag, a successful one clears it).
class TemporaryName {
public:
    TemporaryName(EncryptedDatabase& database, std::string_view suffix)
        : m_database(database), m_name(database.Name().Copy()), m_modified(ModifiedFlag::IsRaised()) {
        SecureString renamed = m_name.Copy();
        renamed.append(suffix);
        m_database.SetName(renamed.Viewed());
    }
    ~TemporaryName() {
        m_database.SetName(m_name.Viewed());
        if (m_modified) {
            ModifiedFlag::Raise();
        } else {
            ModifiedFlag::Clear();
        }
    }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;

private:
    EncryptedDatabase& m_database;
    SecureString m_name;
    bool m_modified;
};

// Written to the temporary file, not by moving the database to it: the database keeps its file and
// the stamp that lets its next save notice a change made there by another program.
bool SaveCopy(EncryptedDatabase& database, const std::string& path) {
    const TemporaryName renamed(database, RemovableInstall::kNameSuffix);
    return database.Save(path);
}

} // namespace

RemovableInstall::RemovableInstall(InstallSystem& system, std::string executablePath)
    : m_system(system), m_executable(std::move(executablePath)) {}

std::vector<FileCopy> RemovableInstall::Copies(const std::string& databaseCopy, const std::string& target) {
    std::vector<FileCopy> copies{{m_executable, DatabaseList::JoinPath(target, kProgramFile)}};
    const std::string help = node_editing::HelpFilePath(m_executable);
    if (m_system.FileExists(help)) {
        copies.push_back({help, DatabaseList::JoinPath(target, kHelpFile)});
    }
    copies.push_back({databaseCopy, DatabaseList::JoinPath(target, LoginListPlan::kPortableDatabaseName)});
    return copies;
}

RemovableInstall::Outcome RemovableInstall::Run(EncryptedDatabase* database, const std::string& target) {
    if (database == nullptr) {
        return Outcome::NoDatabase;
    }
    std::string temporary;
    if (!m_system.CreateTempFile(temporary)) {
        return Fail(Outcome::TempFileFailed);
    }
    const Outcome outcome = InstallThrough(*database, temporary, target);
    m_system.RemoveFile(temporary);
    return outcome;
}

RemovableInstall::Outcome RemovableInstall::InstallThrough(EncryptedDatabase& database, const std::string& temporary,
                                                           const std::string& target) {
    // An unwritten copy would leave the empty temporary file to be installed as the database.
    if (!SaveCopy(database, temporary)) {
        return Fail(Outcome::SaveFailed);
    }
    if (!m_system.CopyFiles(Copies(temporary, target))) {
        return Fail(Outcome::CopyFailed);
    }
    if (!Settings::ExportSettingsToIni(DatabaseList::JoinPath(target, kSettingsFile))) {
        return Fail(Outcome::SettingsFailed);
    }
    return Outcome::Installed;
}

RemovableInstall::Outcome RemovableInstall::Fail(Outcome outcome) {
    m_error = m_system.LastError();
    return outcome;
}

} // namespace vaultlet
