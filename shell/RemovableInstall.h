#pragma once

#include "core/EncryptedDatabase.h"
#include "shell/InstallSystem.h"

#include <string>
#include <vector>

namespace vaultlet {

// Puts a portable copy of the program and of the open database into a folder of a removable drive:
// the executable, its help file when there is one, a copy of the database named "<name> (Removable)"
// under the file name a copy started from a removable drive looks for beside itself, and an ini file
// with every current setting, so that the copy touches neither the registry nor the files of the
// computer it runs on.
//
// The open database changes only while its copy is written to a temporary file and is then left
// exactly as it was: its name, its file and what its next save checks about that file, and its
// modified state. The temporary file is deleted in every case.
class RemovableInstall {
public:
    enum class Outcome {
        NoDatabase,     // nothing is open: nothing to install
        TempFileFailed, // no temporary file: nothing was written anywhere
        SaveFailed,     // the database copy could not be written: nothing was copied
        CopyFailed,     // not every file reached the drive; no settings file was written
        SettingsFailed, // the files are on the drive, but their settings file is not
        Installed,
    };

    static constexpr const char* kDefaultFolder = "Passwords";
    static constexpr const char* kNameSuffix = " (Removable)";
    static constexpr const char* kProgramFile = "Vaultlet.exe";
    static constexpr const char* kHelpFile = "Vaultlet.chm";
    static constexpr const char* kSettingsFile = "Vaultlet.ini";

    RemovableInstall(InstallSystem& system, std::string executablePath);

    // The folder to install into: the drive's root followed by the folder text as the user typed it.
    static std::string TargetFolder(const std::string& root, const std::string& folder) { return root + folder; }
    // The files to copy into `target`, the database from `databaseCopy`; the help file only when it
    // exists, since the program runs without it.
    std::vector<FileCopy> Copies(const std::string& databaseCopy, const std::string& target);
    Outcome Run(EncryptedDatabase* database, const std::string& target);
    // The system's error number behind the last outcome that was a failure.
    unsigned long SystemError() const noexcept { return m_error; }

private:
    Outcome InstallThrough(EncryptedDatabase& database, const std::string& temporary, const std::string& target);
    Outcome Fail(Outcome outcome);

    InstallSystem& m_system;
    std::string m_executable;
    unsigned long m_error = 0;
};

} // namespace vaultlet
