#include "core/FileSystem.h"

#include "core/UniqueFileName.h"

#include <windows.h>

#include <aclapi.h>
#include <winioctl.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace vaultlet {
namespace {

// Links followed when the file to write is looked for, at most: more is a loop.
constexpr int kMaxLinkHops = 32;

// The fixed head of a symbolic link's reparse data, as the file system hands it out.
struct SymbolicLinkData {
    ULONG tag;
    USHORT dataLength;
    USHORT reserved;
    USHORT substituteNameOffset;
    USHORT substituteNameLength;
    USHORT printNameOffset;
    USHORT printNameLength;
    ULONG flags;
    WCHAR pathBuffer[1];
};

std::string Narrow(const wchar_t* text, int length) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(), size, nullptr, nullptr);
    return narrow;
}

// Where the symbolic link at `path` points, as a full path; none for another kind of reparse point
// (a junction, a cloud file) or an unreadable link.
std::optional<std::string> SymbolicLinkTarget(const std::string& path) {
    const HANDLE link = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (link == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::vector<BYTE> buffer(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
    DWORD returned = 0;
    const BOOL read = DeviceIoControl(link, FSCTL_GET_REPARSE_POINT, nullptr, 0, buffer.data(),
                                      static_cast<DWORD>(buffer.size()), &returned, nullptr);
    CloseHandle(link);
    const auto* data = reinterpret_cast<const SymbolicLinkData*>(buffer.data());
    if (!read || returned < offsetof(SymbolicLinkData, pathBuffer) || data->tag != IO_REPARSE_TAG_SYMLINK) {
        return std::nullopt;
    }
    // The print name is the path as the user gave it; the substitute name is the NT form.
    const bool printed = data->printNameLength != 0;
    const std::size_t offset = printed ? data->printNameOffset : data->substituteNameOffset;
    const std::size_t length = printed ? data->printNameLength : data->substituteNameLength;
    if (offsetof(SymbolicLinkData, pathBuffer) + offset + length > returned) {
        return std::nullopt;
    }
    std::string target = Narrow(data->pathBuffer + offset / sizeof(WCHAR), static_cast<int>(length / sizeof(WCHAR)));
    if (target.rfind("\\??\\UNC\\", 0) == 0) {
        target = "\\\\" + target.substr(8);
    } else if (target.rfind("\\??\\", 0) == 0) {
        target.erase(0, 4);
    }
    if ((data->flags & SYMLINK_FLAG_RELATIVE) != 0) {
        target = path.substr(0, path.find_last_of("\\/") + 1) + target;
    }
    return target.empty() ? std::nullopt : std::optional<std::string>(target);
}

bool StampOf(HANDLE handle, FileStamp& stamp) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info)) {
        return false;
    }
    stamp.volume = info.dwVolumeSerialNumber;
    stamp.file = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    stamp.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    stamp.modified = static_cast<std::int64_t>((static_cast<std::uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
                                               info.ftLastWriteTime.dwLowDateTime);
    return true;
}

class Win32InputFile : public InputFile {
public:
    explicit Win32InputFile(HANDLE handle) : m_handle(handle) {}
    ~Win32InputFile() override { CloseHandle(m_handle); }

    bool Size(std::uint64_t& size) override {
        LARGE_INTEGER value{};
        if (!GetFileSizeEx(m_handle, &value)) {
            return false;
        }
        size = static_cast<std::uint64_t>(value.QuadPart);
        return true;
    }

    bool Stamp(FileStamp& stamp) override { return StampOf(m_handle, stamp); }

    std::size_t Read(void* data, std::size_t size) override {
        auto* out = static_cast<char*>(data);
        std::size_t total = 0;
        while (total < size) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - total, 1u << 30));
            DWORD got = 0;
            if (!ReadFile(m_handle, out + total, chunk, &got, nullptr) || got == 0) {
                break;
            }
            total += got;
        }
        return total;
    }

private:
    HANDLE m_handle;
};

class Win32OutputFile : public OutputFile {
public:
    explicit Win32OutputFile(HANDLE handle) : m_handle(handle) {}
    ~Win32OutputFile() override { Close(); }

    bool Write(const void* data, std::size_t size) override {
        const auto* in = static_cast<const char*>(data);
        while (size > 0 && m_handle != INVALID_HANDLE_VALUE) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
            DWORD written = 0;
            if (!WriteFile(m_handle, in, chunk, &written, nullptr) || written == 0) {
                return false;
            }
            in += written;
            size -= written;
        }
        return m_handle != INVALID_HANDLE_VALUE;
    }

    bool Flush() override { return m_handle != INVALID_HANDLE_VALUE && FlushFileBuffers(m_handle); }

    // Some file systems set the time of the last write only when the handle closes, unless it was
    // set through the handle: it is set here, so the stamp taken now is the one the file keeps.
    bool Stamp(FileStamp& stamp) override {
        if (m_handle == INVALID_HANDLE_VALUE) {
            return false;
        }
        FILETIME now{};
        GetSystemTimeAsFileTime(&now);
        return SetFileTime(m_handle, nullptr, nullptr, &now) && StampOf(m_handle, stamp);
    }

    bool Close() override {
        if (m_handle == INVALID_HANDLE_VALUE) {
            return true;
        }
        HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE m_handle;
};

// Windows cannot rename a new file over one that is still open, so the lock cannot be a handle on
// the database file (as a byte-range lock would need): it is a mutex named after the file's full
// path instead, shared by every program of this user's session.
class Win32FileLock : public FileLock {
public:
    explicit Win32FileLock(HANDLE mutex) : m_mutex(mutex) {}
    ~Win32FileLock() override {
        ReleaseMutex(m_mutex);
        CloseHandle(m_mutex);
    }
    Win32FileLock(const Win32FileLock&) = delete;
    Win32FileLock& operator=(const Win32FileLock&) = delete;

private:
    HANDLE m_mutex;
};

// Paths differ in case and form but not in the file they name; the mutex name is a hash of the
// full path in upper case, which also keeps it short and free of backslashes.
std::string LockNameOf(const std::string& path) {
    char full[MAX_PATH * 4];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) {
        return {};
    }
    CharUpperBuffA(full, length);
    std::uint64_t hash = 14695981039346656037ull;
    for (DWORD i = 0; i < length; ++i) {
        hash = (hash ^ static_cast<unsigned char>(full[i])) * 1099511628211ull;
    }
    char name[64];
    std::snprintf(name, sizeof name, "Local\\Vaultlet.FileLock.%016llx", static_cast<unsigned long long>(hash));
    return name;
}

// Gives the new file the access control list of the file it is to replace: a rename keeps the list
// of the file moved, so without this a save would hand the database the folder's inherited access
// and undo whatever its owner had restricted. An inheriting list stays inheriting (the system adds
// the folder's entries, the same for both files); a protected one stays protected. False when the
// target's list exists but cannot be read or copied; a target that is not there, or a file system
// without access control (FAT), leaves the new file as it was created.
bool CopyAccessList(const std::string& target, HANDLE file) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    PACL list = nullptr;
    const DWORD read = GetNamedSecurityInfoA(target.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                             nullptr, &list, nullptr, &descriptor);
    if (read != ERROR_SUCCESS) {
        return read != ERROR_ACCESS_DENIED;
    }
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    bool copied = true;
    // A null list grants everyone everything: the folder's inherited list gives no more than that.
    if (list != nullptr) {
        const bool known = GetSecurityDescriptorControl(descriptor, &control, &revision) != 0;
        const SECURITY_INFORMATION protection = (control & SE_DACL_PROTECTED) != 0
                                                    ? PROTECTED_DACL_SECURITY_INFORMATION
                                                    : UNPROTECTED_DACL_SECURITY_INFORMATION;
        copied = known && SetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION | protection, nullptr,
                                          nullptr, list, nullptr) == ERROR_SUCCESS;
    }
    LocalFree(descriptor);
    return copied;
}

// Attributes that keep MoveFileEx from replacing a file; they are restored on the new file.
constexpr DWORD kBlockingAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

class Win32FileSystem : public FileSystem {
public:
    std::unique_ptr<InputFile> OpenForReading(const std::string& path) override {
        HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            return nullptr;
        }
        return std::make_unique<Win32InputFile>(handle);
    }

    // New files take the folder's inherited permissions, and for LikeTarget then the target's access
    // control list. Nobody else can open the file meanwhile (no sharing), and it is still empty.
    std::unique_ptr<OutputFile> CreateBeside(const std::string& path, std::string& createdPath,
                                             NewFileAccess access) override {
        return CreateWithUniqueName(path, createdPath, [&](const std::string& name, bool& nameTaken) {
            std::unique_ptr<OutputFile> file;
            HANDLE handle = CreateFileA(name.c_str(), GENERIC_WRITE | WRITE_DAC, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle == INVALID_HANDLE_VALUE) {
                const DWORD error = GetLastError();
                nameTaken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
            } else if (access == NewFileAccess::LikeTarget && !CopyAccessList(path, handle)) {
                CloseHandle(handle);
                DeleteFileA(name.c_str());
            } else {
                file = std::make_unique<Win32OutputFile>(handle);
            }
            return file;
        });
    }

    bool Replace(const std::string& source, const std::string& target) override {
        const DWORD attributes = GetFileAttributesA(target.c_str());
        const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
        if (exists && (attributes & kBlockingAttributes) != 0 &&
            !SetFileAttributesA(target.c_str(), attributes & ~kBlockingAttributes)) {
            return false;
        }
        if (!MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            if (exists) {
                SetFileAttributesA(target.c_str(), attributes);
            }
            return false;
        }
        if (exists) {
            SetFileAttributesA(target.c_str(), attributes);
        }
        return true;
    }

    bool Remove(const std::string& path) override { return DeleteFileA(path.c_str()) != 0; }

    // Symbolic links to files are rare on Windows and need privileges to create; paths are kept.
    std::string FilePath(const std::string& path) override {
        std::string current = path;
        for (int hop = 0; hop < kMaxLinkHops; ++hop) {
            const DWORD attributes = GetFileAttributesA(current.c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
                break;
            }
            // A link to nothing is written as a new file in its own place, as before.
            const std::optional<std::string> target = SymbolicLinkTarget(current);
            if (!target || GetFileAttributesA(target->c_str()) == INVALID_FILE_ATTRIBUTES) {
                break;
            }
            current = *target;
        }
        return current;
    }

    bool Exists(const std::string& path) override {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    std::unique_ptr<FileLock> Lock(const std::string& path) override {
        const std::string name = LockNameOf(path);
        if (name.empty() || !Exists(path)) {
            return nullptr;
        }
        HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
        if (mutex == nullptr) {
            return nullptr;
        }
        // An abandoned mutex was held by a program that ended: the lock is ours now.
        const DWORD waited = WaitForSingleObject(mutex, INFINITE);
        if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
            CloseHandle(mutex);
            return nullptr;
        }
        return std::make_unique<Win32FileLock>(mutex);
    }

    std::vector<std::string> ListFiles(const std::string& folder) override {
        std::vector<std::string> names;
        if (folder.empty()) {
            return names;
        }
        const char last = folder.back();
        const std::string pattern = folder + (last == '\\' || last == '/' ? "*" : "\\*");
        WIN32_FIND_DATAA found{};
        HANDLE search = FindFirstFileA(pattern.c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            return names;
        }
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                names.emplace_back(found.cFileName);
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }
};

} // namespace

FileSystem& FileSystem::Real() {
    static Win32FileSystem fileSystem;
    return fileSystem;
}

} // namespace vaultlet
