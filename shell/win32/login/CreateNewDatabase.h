#pragma once

#include "core/EncryptedDatabase.h"
#include "shell/DatabaseList.h"

#include <windows.h>

#include <memory>
#include <string>

namespace vaultlet {

// Asks where a new database goes (save-file dialog) and what it is called and protected with
// (NewDatabaseDialog), creates it with the default groups, saves it and adds it to the list.
// Returns the new database, or null when the user cancelled or the file could not be saved (which
// it reports, owned by `owner`). The caller owns what comes back.
std::unique_ptr<EncryptedDatabase> CreateNewDatabase(HWND owner, DatabaseList& list);

// The standard save-file dialog for a new database file ("Passwords.kvtdat" proposed, asking before
// an existing file is overwritten). Empty when cancelled.
std::string ChooseNewDatabaseFile(HWND owner);

} // namespace vaultlet
