#pragma once

#include <windows.h>

#include <functional>

namespace vaultlet {

// "Import Database...": the user picks a file and its format (own XML, KeePass 2 XML, KeePass 1.x
// XML) in the open-file dialog, owned by `owner`; its groups are merged into the open database
// (CurrentDatabase), names that are taken getting a number. After a merge `rebuildTree` runs (the
// main window refills its views from the open database) and then the counts of the file are shown.
// A file that cannot be read is reported with the format's name; a file without groups changes
// nothing and shows nothing. Nothing happens when no database is open, when the dialog is
// cancelled, or when the open database was replaced while the dialog was up.
// Returns true when groups were merged (the database is then modified).
bool ImportCommand(HWND owner, const std::function<void()>& rebuildTree);

} // namespace vaultlet
