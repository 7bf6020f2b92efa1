#pragma once

#include "shell/PaneLayout.h"

#include <windows.h>

namespace vaultlet {

class PaneSplitter;

// The main window's compact layout: only the tree pane (with each passcard's items as a third
// level), in a narrow tool window the user can widen. It remembers the normal layout's window size,
// and whether it was maximised, to go back to.
class CompactLayout {
public:
    bool IsOn() const noexcept { return m_on; }
    // Switches the window's style and size; the panes are the caller's. `width`: the compact window's
    // client width. A maximised window is restored first, since a maximised one cannot be resized.
    void Apply(HWND window, bool compact, int width);
    // The normal layout was maximised when the compact one came (the next start opens compact, and the
    // window comes back maximised from it).
    bool NormalMaximized() const noexcept { return m_normalMaximized; }
    void SetNormalMaximized(bool maximized) noexcept { m_normalMaximized = maximized; }
    // Where the panes go in `area`: in the compact layout the tree takes the whole width and the
    // other panes, hidden, lie beyond it.
    PaneLayout PanesIn(PaneLayout::Rect area, const PaneSplitter& splitter) const;
    // The smallest size the user can drag the window to.
    POINT MinimumTrackSize(const DpiScale& dpi) const;

private:
    bool m_on = false;
    bool m_normalMaximized = false;
    // The normal layout's window size while the compact one is shown.
    SIZE m_normalSize{};
};

} // namespace vaultlet
