#pragma once

#include "shell/DatabaseList.h"

#include <string>
#include <vector>

namespace vaultlet {

// How the login dialog fills its drop-down list from a loaded DatabaseList: the texts of the
// entries, which entry to select and whether the choice is locked to the file that was handed in.
struct LoginListPlan {
    // Name of the file that a portable copy on a removable drive prefers when it lies beside it.
    static constexpr const char* kPortableDatabaseName = "passwords_db.kvtdat";

    // Display texts of the entries, in entry order (the "<New...>" item is the dialog's own).
    std::vector<std::string> texts;
    // The entry to select, -1 for none (only when the list is empty).
    int selectedEntry = -1;
    // A file was handed in and found: only that file may be opened.
    bool locked = false;

    // The preferred entry is the file to open when there is one; otherwise the last database opened
    // ("LastSelected"), unless the program runs from a removable drive with "passwords_db.kvtdat"
    // beside it. Without a preferred entry in the list the first entry is selected.
    static LoginListPlan Make(const DatabaseList& list, const std::string& fileToOpen, bool fileGiven,
                              const std::string& lastSelected);
};

} // namespace vaultlet
