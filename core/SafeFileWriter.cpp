#include "core/SafeFileWriter.h"

#include <utility>

namespace vaultlet {

SafeFileWriter::SafeFileWriter(FileSystem& fileSystem, std::string path, NewFileAccess access)
    : m_fileSystem(fileSystem), m_path(std::move(path)), m_access(access) {}

SafeFileWriter::~SafeFileWriter() {
    Discard();
}

bool SafeFileWriter::Open() {
    Discard();
    m_failed = false;
    m_writtenStamp.reset();
    m_filePath = m_fileSystem.FilePath(m_path);
    m_file = m_fileSystem.CreateBeside(m_filePath, m_temporaryPath, m_access);
    if (!m_file) {
        m_temporaryPath.clear();
        m_failed = true;
    }
    return !m_failed;
}

bool SafeFileWriter::Write(const void* data, std::size_t size) {
    if (m_failed || !m_file || !m_file->Write(data, size)) {
        m_failed = true;
    }
    return !m_failed;
}

bool SafeFileWriter::Commit() {
    if (m_failed || !m_file) {
        Discard();
        return false;
    }
    const bool flushed = m_file->Flush();
    FileStamp stamp;
    const bool stamped = flushed && m_file->Stamp(stamp);
    const bool closed = m_file->Close();
    m_file.reset();
    if (!flushed || !closed || !m_fileSystem.Replace(m_temporaryPath, m_filePath)) {
        Discard();
        return false;
    }
    m_temporaryPath.clear();
    if (stamped) {
        m_writtenStamp = stamp;
    }
    return true;
}

void SafeFileWriter::Discard() {
    if (m_file) {
        m_file->Close();
        m_file.reset();
    }
    if (!m_temporaryPath.empty()) {
        m_fileSystem.Remove(m_temporaryPath);
        m_temporaryPath.clear();
    }
}

bool WriteFileSafely(FileSystem& fileSystem, const std::string& path, const void* data, std::size_t size,
                     NewFileAccess access) {
    SafeFileWriter writer(fileSystem, path, access);
    return writer.Open() && writer.Write(data, size) && writer.Commit();
}

} // namespace vaultlet
