#pragma once

#include <windows.h>

#include <vector>

namespace vaultlet {

class Database;
class Passcard;

// The entries of the main menu's Bookmarks popup below its fixed commands: one per bookmarked
// passcard of the open database, in the order the tree shows them, each under its own command id.
class BookmarksMenu {
public:
    // Replaces the entries of the menu bar's Bookmarks popup by those of the database (none without
    // one).
    void Rebuild(HMENU menuBar, const Database* database);
    // The passcard of a bookmark entry's command id, or null when the id is not a current entry.
    Passcard* PasscardOf(int commandId) const;

private:
    // The bookmarked passcards in menu order, as the entries were last built.
    std::vector<Passcard*> m_passcards;
};

} // namespace vaultlet
