#include "tests/shell/FakeInstallSystem.h"

#include "shell/DatabaseList.h"
#include "tests/support/TempDir.h"

#include <filesystem>

namespace vaultlet::test {

std::uint32_t FakeInstallSystem::LogicalDrives() {
    std::uint32_t mask = 0;
    for (const Drive& drive : drives) {
        mask |= std::uint32_t{1} << (drive.letter - 'A');
    }
    return mask;
}

const FakeInstallSystem::Drive* FakeInstallSystem::Find(const std::string& root) const {
    for (const Drive& drive : drives) {
        if (root == std::string{drive.letter, ':', '\\'}) {
            return &drive;
        }
    }
    return nullptr;
}

bool FakeInstallSystem::IsRemovable(const std::string& root) {
    const Drive* drive = Find(root);
    return drive != nullptr && drive->removable;
}

bool FakeInstallSystem::ReadVolume(const std::string& root, std::string& label, bool& readOnly) {
    const Drive* drive = Find(root);
    if (drive == nullptr || !drive->readable) {
        return false;
    }
    label = drive->label;
    readOnly = drive->readOnly;
    return true;
}

bool FakeInstallSystem::CreateTempFile(std::string& path) {
    if (tempFolder.empty()) {
        m_error = kPathNotFound;
        return false;
    }
    path = DatabaseList::JoinPath(tempFolder, "kvt" + std::to_string(created.size() + 1) + ".tmp");
    created.push_back(path);
    return WriteFileBytes(path, "");
}

bool FakeInstallSystem::FileExists(const std::string& path) {
    return std::filesystem::is_regular_file(path);
}

bool FakeInstallSystem::CopyFiles(const std::vector<FileCopy>& copies) {
    for (const FileCopy& copy : copies) {
        if (!FileExists(copy.source)) {
            m_error = kPathNotFound;
            return false;
        }
    }
    for (const FileCopy& copy : copies) {
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(copy.target).parent_path(), error);
        if (!std::filesystem::copy_file(copy.source, copy.target, std::filesystem::copy_options::overwrite_existing,
                                        error) ||
            copyFails) {
            m_error = kDiskFull;
            return false;
        }
    }
    return true;
}

void FakeInstallSystem::RemoveFile(const std::string& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
}

} // namespace vaultlet::test
