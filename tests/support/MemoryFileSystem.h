#pragma once

#include "core/FileSystem.h"

#include <map>
#include <string>

namespace vaultlet::test {

// Files held in memory, for fuzz targets and tests that must not touch the disk.
class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;

    std::unique_ptr<InputFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<OutputFile> CreateBeside(const std::string& path, std::string& createdPath,
                                             NewFileAccess access) override;
    bool Replace(const std::string& source, const std::string& target) override;
    bool Remove(const std::string& path) override;
    std::string FilePath(const std::string& path) override;
    bool Exists(const std::string& path) override;
    // One process holds the files, so a lock has nothing to keep out.
    std::unique_ptr<FileLock> Lock(const std::string& path) override;
    // The files whose path is the folder, a separator ("\\" or "/") and a name without one.
    std::vector<std::string> ListFiles(const std::string& folder) override;
};

} // namespace vaultlet::test
