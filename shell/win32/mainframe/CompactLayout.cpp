#include "shell/win32/mainframe/CompactLayout.h"

#include "shell/win32/mainframe/PaneSplitter.h"

namespace vaultlet {

void CompactLayout::Apply(HWND window, bool compact, int treeWidth) {
    if (compact == m_on) {
        return;
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
        size.cx = frame.right - frame.left - client.right + treeWidth;
        size.cy = frame.bottom - frame.top;
    }
    if (size.cx > 0 && size.cy > 0) {
        SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
}

PaneLayout CompactLayout::PanesIn(PaneLayout::Rect area, const PaneSplitter& splitter) const {
    if (!m_on) {
        return splitter.LayoutIn(area);
    }
    const int width = area.Width();
    area.right += PaneLayout::kSplitterSize + PaneLayout::kMinimumPane;
    return PaneLayout(area, width, splitter.ItemsHeight());
}

} // namespace vaultlet
