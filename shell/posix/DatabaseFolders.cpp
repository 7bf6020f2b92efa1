#include "shell/DatabaseFolders.h"

#include "shell/RegistryStore.h"

namespace vaultlet {

// Outside Windows only the command-line tool runs: the executable's folder is the one place to look.
DatabaseFolders DatabaseFolders::ForThisProgram() {
    DatabaseFolders folders;
    const std::string executable = RegistryStore::ExecutablePath();
    const std::size_t slash = executable.find_last_of('/');
    if (slash != std::string::npos) {
        folders.executableFolder = executable.substr(0, slash);
        folders.searchFolders.push_back(folders.executableFolder);
    }
    return folders;
}

} // namespace vaultlet
