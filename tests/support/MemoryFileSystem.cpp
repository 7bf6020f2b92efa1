#include "tests/support/MemoryFileSystem.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace vaultlet::test {
namespace {

class MemoryInputFile : public InputFile {
public:
    explicit MemoryInputFile(const std::string& bytes) : m_bytes(bytes) {}

    bool Size(std::uint64_t& size) override {
        size = m_bytes.size();
        return true;
    }
    // Files in memory have no identity of their own: any change of the content makes a new stamp.
    bool Stamp(FileStamp& stamp) override {
        stamp = FileStamp{};
        stamp.size = m_bytes.size();
        stamp.modified = static_cast<std::int64_t>(std::hash<std::string>{}(m_bytes));
        return true;
    }
    std::size_t Read(void* data, std::size_t size) override {
        const std::size_t count = std::min(size, m_bytes.size() - m_position);
        std::memcpy(data, m_bytes.data() + m_position, count);
        m_position += count;
        return count;
    }

private:
    const std::string& m_bytes;
    std::size_t m_position = 0;
};

class MemoryOutputFile : public OutputFile {
public:
    explicit MemoryOutputFile(std::string& bytes) : m_bytes(bytes) {}

    bool Write(const void* data, std::size_t size) override {
        m_bytes.append(static_cast<const char*>(data), size);
        return true;
    }
    bool Flush() override { return true; }
    bool Stamp(FileStamp& stamp) override { return MemoryInputFile(m_bytes).Stamp(stamp); }
    bool Close() override { return true; }

private:
    std::string& m_bytes;
};

} // namespace

std::unique_ptr<InputFile> MemoryFileSystem::OpenForReading(const std::string& path) {
    const auto found = files.find(path);
    return found == files.end() ? nullptr : std::make_unique<MemoryInputFile>(found->second);
}

std::unique_ptr<OutputFile> MemoryFileSystem::CreateBeside(const std::string& path, std::string& createdPath,
                                                           NewFileAccess /*access*/) {
    createdPath = path + ".new";
    return std::make_unique<MemoryOutputFile>(files[createdPath] = std::string());
}

bool MemoryFileSystem::Replace(const std::string& source, const std::string& target) {
    const auto found = files.find(source);
    if (found == files.end()) {
        return false;
    }
    files[target] = std::move(found->second);
    files.erase(source);
    return true;
}

bool MemoryFileSystem::Remove(const std::string& path) {
    return files.erase(path) != 0;
}

// Memory has no links: every path is the file itself.
std::string MemoryFileSystem::FilePath(const std::string& path) {
    return path;
}

bool MemoryFileSystem::Exists(const std::string& path) {
    return files.count(path) != 0;
}

std::unique_ptr<FileLock> MemoryFileSystem::Lock(const std::string& path) {
    return Exists(path) ? std::make_unique<FileLock>() : nullptr;
}

std::vector<std::string> MemoryFileSystem::ListFiles(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& [path, content] : files) {
        if (path.size() <= folder.size() + 1 || path.compare(0, folder.size(), folder) != 0) {
            continue;
        }
        const char separator = path[folder.size()];
        const std::string name = path.substr(folder.size() + 1);
        if ((separator == '\\' || separator == '/') && name.find_first_of("\\/") == std::string::npos) {
            names.push_back(name);
        }
    }
    return names;
}

} // namespace vaultlet::test
