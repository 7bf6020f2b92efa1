#include "shell/DatabaseFolders.h"

#include "shell/RegistryStore.h"

#include <windows.h>

#include <shlobj.h>

namespace vaultlet {
namespace {

constexpr const char* kProductFolder = "\\Quillmoth Keyhaven";
// Root paths are "X:\"; the drive type is asked of exactly that.
constexpr std::size_t kDriveRootLength = 3;

std::string SpecialFolder(int id) {
    char path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, path, id, FALSE)) {
        return {};
    }
    return path;
}

} // namespace

DatabaseFolders DatabaseFolders::ForThisProgram() {
    DatabaseFolders folders;
    const std::string executable = RegistryStore::ExecutablePath();
    const std::size_t slash = executable.find_last_of('\\');
    if (slash != std::string::npos) {
        folders.executableFolder = executable.substr(0, slash);
    }
    folders.searchFolders.push_back(folders.executableFolder);
    for (const int id : {CSIDL_COMMON_APPDATA, CSIDL_APPDATA}) {
        const std::string folder = SpecialFolder(id);
        if (!folder.empty()) {
            folders.searchFolders.push_back(folder + kProductFolder);
        }
    }
    folders.documentsFolder = SpecialFolder(CSIDL_PERSONAL);
    for (const int id : {CSIDL_PERSONAL, CSIDL_COMMON_DOCUMENTS}) {
        const std::string folder = SpecialFolder(id);
        if (!folder.empty()) {
            folders.searchFolders.push_back(folder);
        }
    }
    if (executable.size() >= kDriveRootLength) {
        const std::string root = executable.substr(0, kDriveRootLength);
        folders.executableOnRemovableDrive = GetDriveTypeA(root.c_str()) == DRIVE_REMOVABLE;
    }
    return folders;
}

} // namespace vaultlet
