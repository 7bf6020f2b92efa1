#include "cli/StandardStreams.h"

#include "core/TextConversion.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

namespace vaultlet {
namespace {

// WriteFile and ReadFile take at most a DWORD at once; a smaller piece keeps console writes short.
constexpr std::size_t kMaxPiece = 1 << 20;

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

bool WriteToConsole(HANDLE handle, const char* bytes, std::size_t size) {
    const SecureU16String wide = AnsiToUtf16(std::string_view(bytes, size));
    const wchar_t* text = reinterpret_cast<const wchar_t*>(wide.data());
    std::size_t left = wide.size();
    while (left > 0) {
        DWORD written = 0;
        const auto piece = static_cast<DWORD>(std::min(left, kMaxPiece));
        if (!WriteConsoleW(handle, text, piece, &written, nullptr) || written == 0) {
            return false;
        }
        text += written;
        left -= written;
    }
    return true;
}

bool WriteToFile(HANDLE handle, const char* bytes, std::size_t size) {
    while (size > 0) {
        DWORD written = 0;
        const auto piece = static_cast<DWORD>(std::min(size, kMaxPiece));
        if (!WriteFile(handle, bytes, piece, &written, nullptr) || written == 0) {
            return false;
        }
        bytes += written;
        size -= written;
    }
    return true;
}

} // namespace

std::size_t ReadStandardInput(void* data, std::size_t size) {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD got = 0;
    if (input == nullptr || input == INVALID_HANDLE_VALUE ||
        !ReadFile(input, data, static_cast<DWORD>(std::min(size, kMaxPiece)), &got, nullptr)) {
        return 0; // a pipe whose writer has gone reports ERROR_BROKEN_PIPE: the end of the input
    }
    return got;
}

bool WriteStandardStream(StandardStream stream, const void* data, std::size_t size) {
    const HANDLE handle = GetStdHandle(stream == StandardStream::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    const auto* bytes = static_cast<const char*>(data);
    return IsConsole(handle) ? WriteToConsole(handle, bytes, size) : WriteToFile(handle, bytes, size);
}

} // namespace vaultlet
