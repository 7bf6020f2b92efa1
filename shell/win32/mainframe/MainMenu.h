#pragma once

#include <windows.h>

namespace vaultlet {

class BookmarksMenu;
class StatusBar;
struct FrameState;

// The main window's menu bar: loaded from the resources in the current language with the
// "&Language" popup and the bookmark entries, brought up to date as a popup opens, the prompt of
// the entry under the cursor shown in the status bar, and its Edit popup used as the panes'
// context menu.
class MainMenu {
public:
    MainMenu(BookmarksMenu& bookmarks, StatusBar& status) : m_bookmarks(bookmarks), m_status(status) {}

    // Puts a menu bar in the current language on the window, in place of the one it has.
    bool Build(HWND frame) const;
    // Enables and checks the entries of a popup about to open.
    static void Update(HMENU popup, const FrameState& state);
    // The status bar shows the first line of the entry's description; nothing once the menu closed.
    void ShowPrompt(UINT item, UINT flags, HMENU menu) const;
    // The Edit popup at the cursor, for the pane `control` (a tree's right click selects the row
    // under it first).
    static void ShowContext(HWND frame, HWND control, bool isTree);
    // A language entry chosen: true when the program now speaks it and the window must show its
    // texts anew.
    static bool SwitchLanguage(int id);

private:
    static void InsertLanguages(HMENU menu);

    BookmarksMenu& m_bookmarks;
    StatusBar& m_status;
};

} // namespace vaultlet
