#include "exchange/ExportFile.h"

#include <windows.h>

namespace vaultlet {
namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        // WriteFile takes at most a DWORD per call.
        const DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
        DWORD done = 0;
        if (!WriteFile(file, bytes.data(), chunk, &done, nullptr) || done == 0) {
            return false;
        }
        bytes.remove_prefix(done);
    }
    return true;
}

} // namespace

bool WriteExportFile(const std::string& fileName, std::string_view bytes) {
    HANDLE file = CreateFileA(fileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool written = WriteAll(file, bytes);
    written = CloseHandle(file) && written;
    if (!written) {
        DeleteFileA(fileName.c_str());
    }
    return written;
}

} // namespace vaultlet
