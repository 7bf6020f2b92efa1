#pragma once

#include "shell/PaneLayout.h"

#include <windows.h>

namespace vaultlet {

// The two splitters of the main window's panes: the tree pane's width and the item list's height,
// and the mouse dragging them (the window captures the mouse while a splitter moves).
class PaneSplitter {
public:
    enum class Mouse { Ignored, Handled, Moved };

    // In pixels at the window's resolution.
    int TreeWidth() const noexcept { return m_treeWidth; }
    int ItemsHeight() const noexcept { return m_itemsHeight; }
    const DpiScale& Dpi() const noexcept { return m_dpi; }
    // The window's resolution, at its creation and whenever it changes: the sizes follow it.
    void SetDpi(const DpiScale& dpi);
    // Sizes from the settings, measured at `storedAt`; negative ones are ignored.
    void Restore(int treeWidth, int itemsHeight, const DpiScale& storedAt);
    // The panes placed in `area`, the client area between toolbar and status bar.
    PaneLayout LayoutIn(const PaneLayout::Rect& area) const {
        return PaneLayout(area, m_treeWidth, m_itemsHeight, PaneMetrics::At(m_dpi));
    }

    // WM_SETCURSOR, WM_LBUTTONDOWN, WM_MOUSEMOVE and WM_LBUTTONUP of the window; `point` in client
    // coordinates. Moved: the sizes changed and the panes must be laid out again.
    Mouse OnMouse(HWND window, UINT message, POINT point, const PaneLayout::Rect& area);

private:
    DpiScale m_dpi;
    int m_treeWidth = PaneLayout::kDefaultTreeWidth;
    int m_itemsHeight = PaneLayout::kDefaultItemsHeight;
    PaneLayout::Splitter m_dragging = PaneLayout::Splitter::None;
};

} // namespace vaultlet
