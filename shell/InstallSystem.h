#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vaultlet {

// One file of a portable install and the path it is copied to.
struct FileCopy {
    std::string source;
    std::string target;
};

// What installing on a removable drive needs from the operating system: its drives, a temporary
// file for the database copy, and copying files onto the drive. An operation that fails leaves the
// system's error number for LastError.
class InstallSystem {
public:
    // Bit n is set when the drive of letter 'A' + n exists.
    virtual std::uint32_t LogicalDrives() = 0;
    // `root` is the drive's root folder, "E:\" for drive E.
    virtual bool IsRemovable(const std::string& root) = 0;
    // The volume's label and whether it is write-protected; false when the volume cannot be read
    // (no medium in the drive, say).
    virtual bool ReadVolume(const std::string& root, std::string& label, bool& readOnly) = 0;

    // Creates a new, empty file in the folder for temporary files and returns its path.
    virtual bool CreateTempFile(std::string& path) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Copies every source onto its target, creating missing folders and replacing existing files
    // without asking. True only when every target holds its whole source afterwards.
    virtual bool CopyFiles(const std::vector<FileCopy>& copies) = 0;
    virtual void RemoveFile(const std::string& path) = 0;
    // The system's error number of the operation that failed last.
    virtual unsigned long LastError() = 0;

protected:
    ~InstallSystem() = default;
};

} // namespace vaultlet
