#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vaultlet {

// What tells one version of a file from another: the file's identity where the system gives one
// (device and file number), its size and its last modification time. A file replaced by another, or
// rewritten in place, gets a different stamp.
struct FileStamp {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0;

    bool operator==(const FileStamp&) const = default;
};

// A file opened for reading.
class InputFile {
public:
    virtual ~InputFile() = default;
    virtual bool Size(std::uint64_t& size) = 0;
    // The stamp of the file that was opened (not of whatever the path names by now).
    virtual bool Stamp(FileStamp& stamp) = 0;
    // Reads up to `size` bytes at the current position; returns how many arrived (fewer at the end of
    // the file or on an error).
    virtual std::size_t Read(void* data, std::size_t size) = 0;
};

// A new file being written.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual bool Write(const void* data, std::size_t size) = 0;
    // Forces what was written onto the disk.
    virtual bool Flush() = 0;
    // The stamp of the file being written, as it stands once everything is written and flushed
    // (moving the file into its place later does not change it).
    virtual bool Stamp(FileStamp& stamp) = 0;
    virtual bool Close() = 0;
};

// Who may read a new file that takes the place of another.
enum class NewFileAccess {
    // The permissions (and group) of the file it replaces, when that is a regular file of this user;
    // otherwise owner only.
    LikeTarget,
    // Owner only whatever the target allows, for plaintext: at most the target's owner bits.
    Private,
};

// An advisory lock on a file, held until the object is destroyed. It keeps out only those that ask
// for the same lock; it does not stop anyone from reading the file.
class FileLock {
public:
    virtual ~FileLock() = default;
};

// The few file operations the database code needs, behind an interface so tests can make any one
// of them fail. Paths are narrow text in the system code page.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual std::unique_ptr<InputFile> OpenForReading(const std::string& path) = 0;
    // Creates a new, empty file in the folder of `path`, under a name no other file has, readable
    // and writable only by its owner where the system has such permissions; then, as `access`
    // says, gives it the permissions of the file at `path` (it never is readable by others first).
    virtual std::unique_ptr<OutputFile> CreateBeside(const std::string& path, std::string& createdPath,
                                                     NewFileAccess access) = 0;
    // Puts `source` in place of `target` in one step. An existing target's attributes (read-only,
    // hidden) carry over to the new file, and a read-only target can be replaced. On failure the
    // target is left as it was.
    virtual bool Replace(const std::string& source, const std::string& target) = 0;
    virtual bool Remove(const std::string& path) = 0;
    // The path of the file itself where `path` reaches it through symbolic links, so that writing
    // there replaces the file and leaves the links as they are; `path` when it names no file yet.
    virtual std::string FilePath(const std::string& path) = 0;
    virtual bool Exists(const std::string& path) = 0;
    // Waits for the exclusive advisory lock of the existing file at `path`; null when the file cannot
    // be opened or locked. The lock stays with the file that is at `path` when it is granted.
    virtual std::unique_ptr<FileLock> Lock(const std::string& path) = 0;
    // Names (not paths) of the files directly inside `folder`, in no particular order; folders and
    // the "." and ".." entries are left out. Empty when the folder cannot be read.
    virtual std::vector<std::string> ListFiles(const std::string& folder) = 0;

    // The operating system's file system.
    static FileSystem& Real();
};

} // namespace vaultlet
