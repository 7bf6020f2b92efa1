#pragma once

#include "shell/DatabaseList.h"

#include <windows.h>

#include <string>

namespace vaultlet {

// Lets the user pick a database file with the standard open-file dialog and adds it to the list.
// Returns its path, or empty when cancelled or when the file is not a database (which it reports,
// owned by `owner`).
std::string AddExistingDatabase(HWND owner, DatabaseList& list);

} // namespace vaultlet
