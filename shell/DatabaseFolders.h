#pragma once

#include <string>
#include <vector>

namespace vaultlet {

// Where the database list looks for files, and the facts about the executable's place that the
// login dialog's preselection depends on. Gathered from the system once per dialog; tests build
// their own.
struct DatabaseFolders {
    // The folder of the running executable, without a trailing separator.
    std::string executableFolder;
    // The folders a search scans, in order; the executable's folder comes first.
    std::vector<std::string> searchFolders;
    // The executable was started from a removable drive (a portable copy).
    bool executableOnRemovableDrive = false;
    // The user's own documents folder (empty when there is none), where a recovery copy goes when
    // the database's folder takes none.
    std::string documentsFolder;

    // The folders of this program on this system. On Windows: the executable's folder, the
    // all-users and the current user's application-data folders plus "\Quillmoth Keyhaven", the
    // user's and the all-users documents folders.
    static DatabaseFolders ForThisProgram();
};

} // namespace vaultlet
