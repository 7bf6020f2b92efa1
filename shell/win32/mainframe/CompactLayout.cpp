#include "shell/win32/mainframe/CompactLayout.h"

#include "shell/win32/mainframe/PaneSplitter.h"

namespace vaultlet {
namespace {

// At 96 DPI.
constexpr POINT kNormalMinimum{532, 400};
constexpr POINT kCompactMinimum{100, 400};

} // namespace

void CompactLayout::Apply(HWND window, bool compact, int width) {
    if (compact == m_on) {
        return;
    }
    if (compact && IsZoomed(window)) {
        m_normalMaximized = true;
        ShowWindow(window, SW_RESTORE);
    }
    RECT frame{};
    GetWindowRect(window, &frame);
    if (compact) {
        m_normalSize = {frame.right - frame.left, frame.bottom - frame.top};
    }
    m_on = compact;
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
    SetWindowLongPtrA(window, GWL_EXSTYLE, compact ? (style | WS_EX_TOOLWINDOW) : (style & ~WS_EX_TOOLWINDOW));
    SIZE size = m_normalSize;
    if (compact) {
        RECT client{};
        GetClientRect(window, &client);
        size.cx = frame.right - frame.left - client.right + width;
        size.cy = frame.bottom - frame.top;
    }
    if (size.cx > 0 && size.cy > 0) {
        SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    if (!compact && m_normalMaximized && IsWindowVisible(window)) {
        m_normalMaximized = false;
        ShowWindow(window, SW_MAXIMIZE);
    }
}

PaneLayout CompactLayout::PanesIn(PaneLayout::Rect area, const PaneSplitter& splitter) const {
    if (!m_on) {
        return splitter.LayoutIn(area);
    }
    PaneMetrics metrics = PaneMetrics::At(splitter.Dpi());
    metrics.treeWidth = 0; // the window's own minimum size keeps the tree
    const int width = area.Width();
    area.right += metrics.splitter + metrics.rightWidth;
    return PaneLayout(area, width, splitter.ItemsHeight(), metrics);
}

POINT CompactLayout::MinimumTrackSize(const DpiScale& dpi) const {
    const POINT minimum = m_on ? kCompactMinimum : kNormalMinimum;
    return {dpi.Scale(minimum.x), dpi.Scale(minimum.y)};
}

} // namespace vaultlet
