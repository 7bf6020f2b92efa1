#pragma once

#include <string>

namespace vaultlet::test {

// A fresh, empty folder under the system's temporary directory, removed with everything in it
// when the object goes away.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // Path of a file inside the folder, joined with the platform's separator.
    std::string File(const std::string& name) const;

private:
    std::string m_path;
};

// Writes bytes to a file, replacing it; false when it cannot be written.
bool WriteFileBytes(const std::string& path, const std::string& bytes);

} // namespace vaultlet::test
