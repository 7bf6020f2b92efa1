#include "core/FileSystem.h"

#include "core/UniqueFileName.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vaultlet {
namespace {

bool StampOf(int fd, FileStamp& stamp) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return false;
    }
    stamp.volume = static_cast<std::uint64_t>(info.st_dev);
    stamp.file = static_cast<std::uint64_t>(info.st_ino);
    stamp.size = static_cast<std::uint64_t>(info.st_size);
    stamp.modified = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return true;
}

class PosixInputFile : public InputFile {
public:
    explicit PosixInputFile(int fd) : m_fd(fd) {}
    ~PosixInputFile() override { ::close(m_fd); }

    bool Size(std::uint64_t& size) override {
        struct stat info {};
        if (::fstat(m_fd, &info) != 0) {
            return false;
        }
        size = static_cast<std::uint64_t>(info.st_size);
        return true;
    }

    bool Stamp(FileStamp& stamp) override { return StampOf(m_fd, stamp); }

    std::size_t Read(void* data, std::size_t size) override {
        auto* out = static_cast<char*>(data);
        std::size_t total = 0;
        while (total < size) {
            const ssize_t got = ::read(m_fd, out + total, size - total);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                break;
            }
            total += static_cast<std::size_t>(got);
        }
        return total;
    }

private:
    int m_fd;
};

class PosixOutputFile : public OutputFile {
public:
    explicit PosixOutputFile(int fd) : m_fd(fd) {}
    ~PosixOutputFile() override { Close(); }

    bool Write(const void* data, std::size_t size) override {
        const auto* in = static_cast<const char*>(data);
        while (size > 0 && m_fd >= 0) {
            const ssize_t written = ::write(m_fd, in, size);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return false;
            }
            in += written;
            size -= static_cast<std::size_t>(written);
        }
        return m_fd >= 0;
    }

    bool Flush() override { return m_fd >= 0 && ::fsync(m_fd) == 0; }

    bool Stamp(FileStamp& stamp) override { return m_fd >= 0 && StampOf(m_fd, stamp); }

    bool Close() override {
        if (m_fd < 0) {
            return true;
        }
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename itself durable.
void SyncFolder(const std::string& path) {
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

class PosixFileLock : public FileLock {
public:
    explicit PosixFileLock(int fd) : m_fd(fd) {}
    // Closing the descriptor releases the lock.
    ~PosixFileLock() override { ::close(m_fd); }
    PosixFileLock(const PosixFileLock&) = delete;
    PosixFileLock& operator=(const PosixFileLock&) = delete;

private:
    int m_fd;
};

bool WaitForLock(int fd) {
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

// Whether the descriptor still is the file the path names: a writer that held the lock before may
// have put a new file in its place, and a lock on the old one keeps out nobody.
bool IsStillAt(int fd, const std::string& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

// A file replaced this often while we wait is being replaced without end; give up instead.
constexpr int kLockAttempts = 64;

// Gives the new file the access of the one it replaces, through its descriptor so no path can be
// swapped in between. A target that another user owns lends nothing: a file someone pre-created
// 0666 in a shared folder must not make our data readable to them. The group is taken along where
// we may; otherwise the group bits would apply to a group of our choosing, so they are dropped.
bool TakeAccessOf(int fd, const std::string& target, NewFileAccess access) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        return true;
    }
    mode_t mode = info.st_mode & 0777;
    if (access == NewFileAccess::Private) {
        mode &= 0600;
    }
    if (::fchown(fd, static_cast<uid_t>(-1), info.st_gid) != 0) {
        mode &= ~static_cast<mode_t>(070);
    }
    return ::fchmod(fd, mode) == 0;
}

class PosixFileSystem : public FileSystem {
public:
    std::unique_ptr<InputFile> OpenForReading(const std::string& path) override {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            return nullptr;
        }
        struct stat info {};
        if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
            ::close(fd);
            return nullptr;
        }
        return std::make_unique<PosixInputFile>(fd);
    }

    std::unique_ptr<OutputFile> CreateBeside(const std::string& path, std::string& createdPath,
                                             NewFileAccess access) override {
        return CreateWithUniqueName(path, createdPath, [&](const std::string& name, bool& nameTaken) {
            std::unique_ptr<OutputFile> file;
            const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd < 0) {
                nameTaken = errno == EEXIST;
            } else if (!TakeAccessOf(fd, path, access)) {
                ::close(fd);
                ::unlink(name.c_str());
            } else {
                file = std::make_unique<PosixOutputFile>(fd);
            }
            return file;
        });
    }

    bool Replace(const std::string& source, const std::string& target) override {
        if (::rename(source.c_str(), target.c_str()) != 0) {
            return false;
        }
        SyncFolder(target);
        return true;
    }

    bool Remove(const std::string& path) override { return ::unlink(path.c_str()) == 0; }

    std::string FilePath(const std::string& path) override {
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (resolved == nullptr) {
            return path;
        }
        std::string filePath(resolved);
        std::free(resolved);
        return filePath;
    }

    bool Exists(const std::string& path) override {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0;
    }

    std::unique_ptr<FileLock> Lock(const std::string& path) override {
        for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
            const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0) {
                return nullptr;
            }
            if (!WaitForLock(fd)) {
                ::close(fd);
                return nullptr;
            }
            if (IsStillAt(fd, path)) {
                return std::make_unique<PosixFileLock>(fd);
            }
            ::close(fd);
        }
        return nullptr;
    }

    std::vector<std::string> ListFiles(const std::string& folder) override {
        std::vector<std::string> names;
        DIR* directory = ::opendir(folder.c_str());
        if (directory == nullptr) {
            return names;
        }
        while (const dirent* entry = ::readdir(directory)) {
            const std::string name = entry->d_name;
            struct stat info {};
            // stat follows links, so a link to a file counts as a file, as it does on Windows.
            if (::stat((folder + "/" + name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
                names.push_back(name);
            }
        }
        ::closedir(directory);
        return names;
    }
};

} // namespace

FileSystem& FileSystem::Real() {
    static PosixFileSystem fileSystem;
    return fileSystem;
}

} // namespace vaultlet
