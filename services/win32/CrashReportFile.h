#pragma once

#include <windows.h>

#include <cstdint>

namespace vaultlet {

// The report file as a crashed process writes it: pieces formatted with wvsprintfA into fixed
// buffers, collected in an 8,192-character buffer and written through to the file whenever more
// than 7,168 characters wait. Nothing here allocates memory; the heap of a crashed process may be
// what broke.
class CrashReportFile {
public:
    static constexpr int kBufferSize = 8192;
    static constexpr int kFlushThreshold = 7168;
    static constexpr int kPieceSize = 1024;

    CrashReportFile() = default;
    ~CrashReportFile() { Close(); }
    CrashReportFile(const CrashReportFile&) = delete;
    CrashReportFile& operator=(const CrashReportFile&) = delete;

    // Creates (or empties) the file, written through; false when that fails.
    bool Open(const char* path);
    // Appends one piece formatted by wvsprintfA (at most kPieceSize characters).
    void Write(const char* format, ...);
    // A 64-bit value as 16 hexadecimal digits: wvsprintfA has no 64-bit conversion.
    void WriteHex64(std::uint64_t value, bool upperCase = false);
    // Writes what waits and closes the file.
    void Close();

private:
    void Append(const char* text, int length);
    void Flush();

    HANDLE m_file = INVALID_HANDLE_VALUE;
    char m_buffer[kBufferSize];
    int m_pending = 0;
};

} // namespace vaultlet
