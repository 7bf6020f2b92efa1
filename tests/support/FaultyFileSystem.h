#pragma once

#include "core/FileSystem.h"

#include <string>

namespace vaultlet::test {

// The real file system with one operation made to fail on purpose: the k-th write (counted from 1
// over all files), the flush, the creation of a new file, the final replace, or reading past the
// first k bytes of a file. It also counts the writes of an undisturbed run, so a test can try every k.
// With Fault::Intruder another program replaces the target (with kIntruderContent) just before a
// new file is created beside it, as a writer that ignores the lock would; with Fault::LateIntruder it
// does so right after our new file took the target's place.
class FaultyFileSystem : public FileSystem {
public:
    enum class Fault { None, Write, Flush, Create, Replace, Read, Intruder, LateIntruder };
    static constexpr const char* kIntruderContent = "written by another program";

    // `k` is the failing write for Fault::Write and the number of readable bytes for Fault::Read.
    explicit FaultyFileSystem(Fault fault = Fault::None, int k = 0) : m_fault(fault), m_failingWrite(k) {}

    int WriteCount() const noexcept { return m_writes; }

    std::unique_ptr<InputFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<OutputFile> CreateBeside(const std::string& path, std::string& createdPath,
                                             NewFileAccess access) override;
    bool Replace(const std::string& source, const std::string& target) override;
    bool Remove(const std::string& path) override;
    std::string FilePath(const std::string& path) override;
    bool Exists(const std::string& path) override;
    std::unique_ptr<FileLock> Lock(const std::string& path) override;
    std::vector<std::string> ListFiles(const std::string& folder) override;

private:
    friend class FaultyOutputFile;

    Fault m_fault;
    int m_failingWrite;
    int m_writes = 0;
};

} // namespace vaultlet::test
