#include "shell/LoginListPlan.h"

namespace vaultlet {
namespace {

std::string PreferredPath(const DatabaseList& list, const std::string& fileToOpen, const std::string& lastSelected) {
    if (!fileToOpen.empty()) {
        return fileToOpen;
    }
    const DatabaseFolders& folders = list.Folders();
    if (folders.executableOnRemovableDrive && !folders.executableFolder.empty()) {
        const std::string portable =
            DatabaseList::JoinPath(folders.executableFolder, LoginListPlan::kPortableDatabaseName);
        if (list.Files().Exists(portable)) {
            return portable;
        }
    }
    return lastSelected;
}

} // namespace

LoginListPlan LoginListPlan::Make(const DatabaseList& list, const std::string& fileToOpen, bool fileGiven,
                                  const std::string& lastSelected) {
    LoginListPlan plan;
    for (const DatabaseEntry& entry : list.Entries()) {
        plan.texts.push_back(DatabaseList::DisplayText(entry));
    }
    const int preferred = list.Find(PreferredPath(list, fileToOpen, lastSelected));
    if (!list.Entries().empty()) {
        plan.selectedEntry = preferred >= 0 ? preferred : 0;
    }
    plan.locked = fileGiven && preferred >= 0;
    return plan;
}

} // namespace vaultlet
