#include "tests/support/FaultyFileSystem.h"

#include "core/SafeFileWriter.h"

#include <algorithm>
#include <cstring>

namespace vaultlet::test {

class FaultyOutputFile : public OutputFile {
public:
    FaultyOutputFile(std::unique_ptr<OutputFile> real, FaultyFileSystem& owner)
        : m_real(std::move(real)), m_owner(owner) {}

    bool Write(const void* data, std::size_t size) override {
        ++m_owner.m_writes;
        if (m_owner.m_fault == FaultyFileSystem::Fault::Write && m_owner.m_writes == m_owner.m_failingWrite) {
            // Like a full disk: part of the data may have arrived.
            m_real->Write(data, size / 2);
            return false;
        }
        return m_real->Write(data, size);
    }
    bool Flush() override { return m_owner.m_fault != FaultyFileSystem::Fault::Flush && m_real->Flush(); }
    bool Stamp(FileStamp& stamp) override { return m_real->Stamp(stamp); }
    bool Close() override { return m_real->Close(); }

private:
    std::unique_ptr<OutputFile> m_real;
    FaultyFileSystem& m_owner;
};

// Reads stop short after a number of bytes, as on a failing disk; the size still reads correctly.
class FaultyInputFile : public InputFile {
public:
    FaultyInputFile(std::unique_ptr<InputFile> real, std::size_t readable)
        : m_real(std::move(real)), m_readable(readable) {}

    bool Size(std::uint64_t& size) override { return m_real->Size(size); }
    bool Stamp(FileStamp& stamp) override { return m_real->Stamp(stamp); }
    std::size_t Read(void* data, std::size_t size) override {
        const std::size_t allowed = std::min(size, m_readable);
        const std::size_t got = m_real->Read(data, allowed);
        m_readable -= got;
        return got;
    }

private:
    std::unique_ptr<InputFile> m_real;
    std::size_t m_readable;
};

std::unique_ptr<InputFile> FaultyFileSystem::OpenForReading(const std::string& path) {
    auto real = FileSystem::Real().OpenForReading(path);
    if (real && m_fault == Fault::Read) {
        return std::make_unique<FaultyInputFile>(std::move(real), static_cast<std::size_t>(m_failingWrite));
    }
    return real;
}

std::unique_ptr<OutputFile> FaultyFileSystem::CreateBeside(const std::string& path, std::string& createdPath,
                                                           NewFileAccess access) {
    if (m_fault == Fault::Create) {
        return nullptr;
    }
    if (m_fault == Fault::Intruder &&
        !WriteFileSafely(FileSystem::Real(), path, kIntruderContent, std::strlen(kIntruderContent))) {
        return nullptr;
    }
    auto real = FileSystem::Real().CreateBeside(path, createdPath, access);
    if (!real) {
        return nullptr;
    }
    return std::make_unique<FaultyOutputFile>(std::move(real), *this);
}

bool FaultyFileSystem::Replace(const std::string& source, const std::string& target) {
    if (m_fault == Fault::Replace || !FileSystem::Real().Replace(source, target)) {
        return false;
    }
    return m_fault != Fault::LateIntruder ||
           WriteFileSafely(FileSystem::Real(), target, kIntruderContent, std::strlen(kIntruderContent));
}

bool FaultyFileSystem::Remove(const std::string& path) {
    return FileSystem::Real().Remove(path);
}

std::string FaultyFileSystem::FilePath(const std::string& path) {
    return FileSystem::Real().FilePath(path);
}

bool FaultyFileSystem::Exists(const std::string& path) {
    return FileSystem::Real().Exists(path);
}

std::unique_ptr<FileLock> FaultyFileSystem::Lock(const std::string& path) {
    return FileSystem::Real().Lock(path);
}

std::vector<std::string> FaultyFileSystem::ListFiles(const std::string& folder) {
    return FileSystem::Real().ListFiles(folder);
}

} // namespace vaultlet::test
