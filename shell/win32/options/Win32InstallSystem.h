#pragma once

#include "shell/InstallSystem.h"

#include <windows.h>

#include <string>

namespace vaultlet {

// The install's side of the system: drives through GetLogicalDrives, GetDriveTypeA and
// GetVolumeInformationA, the temporary file through GetTempPathA and GetTempFileNameA, and the copy
// through one SHFileOperationA call, which shows the system's progress window (owned by `owner`,
// titled `progressTitle`) and the system's own messages about files it cannot copy.
class Win32InstallSystem final : public InstallSystem {
public:
    explicit Win32InstallSystem(HWND owner = nullptr, std::string progressTitle = {});

    std::uint32_t LogicalDrives() override;
    bool IsRemovable(const std::string& root) override;
    bool ReadVolume(const std::string& root, std::string& label, bool& readOnly) override;
    bool CreateTempFile(std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool CopyFiles(const std::vector<FileCopy>& copies) override;
    void RemoveFile(const std::string& path) override;
    unsigned long LastError() override { return GetLastError(); }

    // The system's text for an error number, without its trailing line break.
    static std::string ErrorText(unsigned long error);

private:
    HWND m_owner;
    std::string m_progressTitle;
};

} // namespace vaultlet
