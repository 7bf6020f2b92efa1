#pragma once

#include "shell/InstallSystem.h"

#include <string>
#include <vector>

namespace vaultlet::test {

// Drives from a table, files in real folders: the temporary file is made in `tempFolder` and the
// copy really copies, so a test can open what arrived. Like the system's copy it refuses the whole
// list when a source is missing; `copyFails` stops it after the first file, as a full disk would.
class FakeInstallSystem final : public InstallSystem {
public:
    struct Drive {
        char letter = 'E';
        bool removable = true;
        // False: the volume cannot be read (no medium).
        bool readable = true;
        std::string label;
        bool readOnly = false;
    };
    static constexpr unsigned long kPathNotFound = 3;
    static constexpr unsigned long kDiskFull = 112;

    std::vector<Drive> drives;
    // Empty: there is no folder for temporary files.
    std::string tempFolder;
    bool copyFails = false;
    // Every temporary file made, in order.
    std::vector<std::string> created;

    std::uint32_t LogicalDrives() override;
    bool IsRemovable(const std::string& root) override;
    bool ReadVolume(const std::string& root, std::string& label, bool& readOnly) override;
    bool CreateTempFile(std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool CopyFiles(const std::vector<FileCopy>& copies) override;
    void RemoveFile(const std::string& path) override;
    unsigned long LastError() override { return m_error; }

private:
    const Drive* Find(const std::string& root) const;

    unsigned long m_error = 0;
};

} // namespace vaultlet::test
