#pragma once

#include "core/FileSystem.h"

#include <memory>
#include <optional>
#include <string>

namespace vaultlet {

// Writes a whole file so that afterwards either the complete new content is in place or the old file
// is untouched: the data goes to a new file beside the target, is flushed to disk and then replaces
// the target in one step. Without a successful Commit the new file is removed again. A target reached
// through symbolic links is the file they lead to: that file is replaced, the links stay.
class SafeFileWriter {
public:
    SafeFileWriter(FileSystem& fileSystem, std::string path, NewFileAccess access = NewFileAccess::LikeTarget);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    bool Open();
    bool Write(const void* data, std::size_t size);
    // Flushes, closes and replaces the target. Returns false (leaving the target alone) when any step
    // or any earlier write failed.
    bool Commit();
    // After a successful Commit: the stamp of the file this writer put in place, taken from the
    // writer's own handle, so it is never that of a file someone else put there right afterwards.
    // None when the system could not tell it.
    const std::optional<FileStamp>& WrittenStamp() const noexcept { return m_writtenStamp; }

private:
    void Discard();

    FileSystem& m_fileSystem;
    std::string m_path;
    // m_path as the file itself, found at Open.
    std::string m_filePath;
    NewFileAccess m_access;
    std::string m_temporaryPath;
    std::unique_ptr<OutputFile> m_file;
    std::optional<FileStamp> m_writtenStamp;
    bool m_failed = false;
};

// One-call form for content that is already in memory.
bool WriteFileSafely(FileSystem& fileSystem, const std::string& path, const void* data, std::size_t size,
                     NewFileAccess access = NewFileAccess::LikeTarget);

} // namespace vaultlet
