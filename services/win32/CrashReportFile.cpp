#include "services/win32/CrashReportFile.h"

#include <cstdarg>

namespace vaultlet {

bool CrashReportFile::Open(const char* path) {
    m_file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (m_file == INVALID_HANDLE_VALUE) {
        return false;
    }
    SetFilePointer(m_file, 0, nullptr, FILE_END);
    m_pending = 0;
    return true;
}

void CrashReportFile::Write(const char* format, ...) {
    // wvsprintfA writes at most 1,024 characters and the terminating NUL.
    char piece[kPieceSize + 1];
    va_list arguments;
    va_start(arguments, format);
    const int length = wvsprintfA(piece, format, arguments);
    va_end(arguments);
    if (length > 0) {
        Append(piece, length);
    }
}

void CrashReportFile::WriteHex64(std::uint64_t value, bool upperCase) {
    const char* digits = upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    char text[16];
    for (int index = 15; index >= 0; --index) {
        text[index] = digits[value & 0xF];
        value >>= 4;
    }
    Append(text, sizeof text);
}

void CrashReportFile::Append(const char* text, int length) {
    if (m_pending > kFlushThreshold) {
        Flush();
    }
    for (int index = 0; index < length && m_pending < kBufferSize; ++index) {
        m_buffer[m_pending++] = text[index];
    }
}

void CrashReportFile::Flush() {
    DWORD written = 0;
    if (m_file != INVALID_HANDLE_VALUE && m_pending > 0) {
        WriteFile(m_file, m_buffer, static_cast<DWORD>(m_pending), &written, nullptr);
    }
    m_pending = 0;
}

void CrashReportFile::Close() {
    if (m_file == INVALID_HANDLE_VALUE) {
        return;
    }
    Flush();
    CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
}

} // namespace vaultlet
