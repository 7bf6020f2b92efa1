#pragma once

#include "shell/PaneLayout.h"

#include <windows.h>

namespace vaultlet {

class PaneSplitter;

// The main window's compact layout: only the tree pane (with each passcard's items as a third
// level), in a narrow tool window. It remembers the normal layout's window size to go back to.
class CompactLayout {
public:
    bool IsOn() const noexcept { return m_on; }
    // Switches the window's style and size; the panes are the caller's.
    void Apply(HWND window, bool compact, int treeWidth);
    // Where the panes go in `area`: in the compact layout the tree takes the whole width and the
    // other panes, hidden, lie beyond it.
    PaneLayout PanesIn(PaneLayout::Rect area, const PaneSplitter& splitter) const;
    // The smallest size the user can drag the window to.
    POINT MinimumTrackSize() const noexcept { return m_on ? POINT{100, 400} : POINT{532, 400}; }

private:
    bool m_on = false;
    // The normal layout's window size while the compact one is shown.
    SIZE m_normalSize{};
};

} // namespace vaultlet
