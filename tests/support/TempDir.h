#pragma once

#include <string>
#include <vector>

namespace vaultlet::test {

// A fresh, empty folder for one test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const noexcept { return m_path; }
    // Path of a file inside the folder.
    std::string File(const std::string& name) const;
    // Names of the files in the folder, sorted.
    std::vector<std::string> List() const;

private:
    std::string m_path;
};

void WriteFileBytes(const std::string& path, const std::string& bytes);

} // namespace vaultlet::test
