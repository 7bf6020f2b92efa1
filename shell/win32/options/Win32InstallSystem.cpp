#include "shell/win32/options/Win32InstallSystem.h"

#include <shellapi.h>

namespace vaultlet {
namespace {

constexpr DWORD kLabelBuffer = MAX_PATH + 1;
// Room for the temporary folder's path: a longer one is an error, not a path cut short.
constexpr DWORD kTempFolderBuffer = MAX_PATH - 1;
// GetTempFileNameA uses the first three characters.
constexpr const char* kTempPrefix = "kvtdat";
// Each source to its own target; a simple progress window; missing folders made without asking; and
// an earlier install's files replaced without asking: a "No" there would leave an old database on
// the drive under the new program and settings.
constexpr FILEOP_FLAGS kCopyFlags = FOF_MULTIDESTFILES | FOF_SIMPLEPROGRESS | FOF_NOCONFIRMMKDIR | FOF_NOCONFIRMATION;

// The names one after another, each ending in a zero, the list in one more.
std::string ZeroSeparated(const std::vector<FileCopy>& copies, std::string FileCopy::*field) {
    std::string list;
    for (const FileCopy& copy : copies) {
        list += copy.*field;
        list += '\0';
    }
    list += '\0';
    return list;
}

bool SizeOf(const std::string& path, ULARGE_INTEGER& size) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    size.LowPart = data.nFileSizeLow;
    size.HighPart = data.nFileSizeHigh;
    return true;
}

// The copy's result alone does not settle it: it can report success for an operation the user
// stopped half-way, so each target is checked against its source.
bool EveryTargetArrived(const std::vector<FileCopy>& copies) {
    for (const FileCopy& copy : copies) {
        ULARGE_INTEGER source{};
        ULARGE_INTEGER target{};
        if (!SizeOf(copy.source, source) || !SizeOf(copy.target, target) || source.QuadPart != target.QuadPart) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
    }
    return true;
}

} // namespace

Win32InstallSystem::Win32InstallSystem(HWND owner, std::string progressTitle)
    : m_owner(owner), m_progressTitle(std::move(progressTitle)) {}

std::uint32_t Win32InstallSystem::LogicalDrives() {
    return GetLogicalDrives();
}

bool Win32InstallSystem::IsRemovable(const std::string& root) {
    return GetDriveTypeA(root.c_str()) == DRIVE_REMOVABLE;
}

bool Win32InstallSystem::ReadVolume(const std::string& root, std::string& label, bool& readOnly) {
    char name[kLabelBuffer] = {};
    DWORD serial = 0;
    DWORD maximumComponentLength = 0;
    DWORD flags = 0;
    if (!GetVolumeInformationA(root.c_str(), name, kLabelBuffer, &serial, &maximumComponentLength, &flags, nullptr,
                               0)) {
        return false;
    }
    label = name;
    readOnly = (flags & FILE_READ_ONLY_VOLUME) != 0;
    return true;
}

bool Win32InstallSystem::CreateTempFile(std::string& path) {
    char folder[MAX_PATH] = {};
    const DWORD length = GetTempPathA(kTempFolderBuffer, folder);
    if (length == 0) {
        return false;
    }
    if (length > kTempFolderBuffer) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    char name[MAX_PATH] = {};
    if (GetTempFileNameA(folder, kTempPrefix, 0, name) == 0) {
        return false;
    }
    path = name;
    return true;
}

bool Win32InstallSystem::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32InstallSystem::CopyFiles(const std::vector<FileCopy>& copies) {
    const std::string sources = ZeroSeparated(copies, &FileCopy::source);
    const std::string targets = ZeroSeparated(copies, &FileCopy::target);
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = m_owner;
    operation.wFunc = FO_COPY;
    operation.pFrom = sources.c_str();
    operation.pTo = targets.c_str();
    operation.fFlags = kCopyFlags;
    operation.lpszProgressTitle = m_progressTitle.c_str();
    const int result = SHFileOperationA(&operation);
    if (result != 0) {
        // The operation's own error number, which for most failures is the system's.
        SetLastError(static_cast<DWORD>(result));
        return false;
    }
    if (operation.fAnyOperationsAborted) {
        SetLastError(ERROR_CANCELLED);
        return false;
    }
    return EveryTargetArrived(copies);
}

void Win32InstallSystem::RemoveFile(const std::string& path) {
    DeleteFileA(path.c_str());
}

std::string Win32InstallSystem::ErrorText(unsigned long error) {
    char* buffer = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text(buffer != nullptr ? buffer : "", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

} // namespace vaultlet
