#include "shell/win32/mainframe/PaneSplitter.h"

namespace vaultlet {

void PaneSplitter::SetDpi(const DpiScale& dpi) {
    m_treeWidth = dpi.From(m_treeWidth, m_dpi);
    m_itemsHeight = dpi.From(m_itemsHeight, m_dpi);
    m_dpi = dpi;
}

void PaneSplitter::Restore(int treeWidth, int itemsHeight, const DpiScale& storedAt) {
    if (treeWidth >= 0 && itemsHeight >= 0) {
        m_treeWidth = m_dpi.From(treeWidth, storedAt);
        m_itemsHeight = m_dpi.From(itemsHeight, storedAt);
    }
}

PaneSplitter::Mouse PaneSplitter::OnMouse(HWND window, UINT message, POINT point, const PaneLayout::Rect& area) {
    PaneLayout layout = LayoutIn(area);
    const PaneLayout::Splitter over =
        m_dragging != PaneLayout::Splitter::None ? m_dragging : layout.HitTest(point.x, point.y);
    switch (message) {
    case WM_SETCURSOR:
        if (over == PaneLayout::Splitter::None) {
            return Mouse::Ignored;
        }
        SetCursor(LoadCursorA(nullptr, over == PaneLayout::Splitter::Vertical ? IDC_SIZEWE : IDC_SIZENS));
        return Mouse::Handled;
    case WM_LBUTTONDOWN:
        if (over == PaneLayout::Splitter::None) {
            return Mouse::Ignored;
        }
        m_dragging = over;
        SetCapture(window);
        return Mouse::Handled;
    case WM_MOUSEMOVE:
        if (m_dragging == PaneLayout::Splitter::None) {
            return Mouse::Ignored;
        }
        layout.Drag(m_dragging, m_dragging == PaneLayout::Splitter::Vertical ? point.x : point.y);
        m_treeWidth = layout.TreeWidth();
        m_itemsHeight = layout.ItemsHeight();
        return Mouse::Moved;
    case WM_LBUTTONUP:
        if (m_dragging == PaneLayout::Splitter::None) {
            return Mouse::Ignored;
        }
        m_dragging = PaneLayout::Splitter::None;
        ReleaseCapture();
        return Mouse::Handled;
    default:
        return Mouse::Ignored;
    }
}

} // namespace vaultlet
