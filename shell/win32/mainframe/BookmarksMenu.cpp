#include "shell/win32/mainframe/BookmarksMenu.h"

#include "core/Database.h"
#include "resources/resource.h"
#include "shell/NodeEditing.h"

namespace vaultlet {
namespace {

constexpr std::size_t kMaxBookmarks = ID_BOOKMARK_LAST - ID_BOOKMARK_FIRST + 1;

} // namespace

void BookmarksMenu::Rebuild(HMENU menuBar, const Database* database) {
    const HMENU popup = GetSubMenu(menuBar, VAULTLET_MENU_POS_BOOKMARKS);
    while (GetMenuItemCount(popup) > VAULTLET_BOOKMARKS_POS_FIRST_ENTRY) {
        DeleteMenu(popup, VAULTLET_BOOKMARKS_POS_FIRST_ENTRY, MF_BYPOSITION);
    }
    m_passcards.clear();
    if (database == nullptr) {
        return;
    }
    UINT position = VAULTLET_BOOKMARKS_POS_FIRST_ENTRY;
    for (const node_editing::Bookmark& entry : node_editing::Bookmarks(*database, kMaxBookmarks)) {
        InsertMenuA(popup, position, MF_BYPOSITION | MF_STRING, ID_BOOKMARK_BASE + position, entry.text.c_str());
        m_passcards.push_back(entry.passcard);
        ++position;
    }
}

Passcard* BookmarksMenu::PasscardOf(int commandId) const {
    if (commandId < ID_BOOKMARK_FIRST || commandId > ID_BOOKMARK_LAST) {
        return nullptr;
    }
    const auto index = static_cast<std::size_t>(commandId - ID_BOOKMARK_FIRST);
    return index < m_passcards.size() ? m_passcards[index] : nullptr;
}

} // namespace vaultlet
