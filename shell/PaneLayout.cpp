#include "shell/PaneLayout.h"

#include <algorithm>

namespace vaultlet {
namespace {

// The size of the first of two panes sharing `room`: the wanted one, as long as both keep their
// minimum. A window too small for both minimums divides its room in their proportion.
int Split(int wanted, int room, int firstMinimum, int secondMinimum) {
    if (room <= 0) {
        return 0;
    }
    if (firstMinimum + secondMinimum > room) {
        return room * firstMinimum / (firstMinimum + secondMinimum);
    }
    return std::clamp(wanted, firstMinimum, room - secondMinimum);
}

} // namespace

PaneMetrics PaneMetrics::At(const DpiScale& dpi) {
    return {dpi.Scale(kSplitter),         dpi.Scale(kTitleHeight),       dpi.Scale(kSearchHeight),
            dpi.Scale(kMinimumTreeWidth), dpi.Scale(kMinimumRightWidth), dpi.Scale(kMinimumPaneHeight)};
}

PaneLayout::PaneLayout(Rect area, int treeWidth, int itemsHeight, const PaneMetrics& metrics)
    : m_area(area), m_treeWidth(treeWidth), m_itemsHeight(itemsHeight), m_metrics(metrics) {
    Clamp();
}

void PaneLayout::Clamp() {
    m_treeWidth = Split(m_treeWidth, m_area.Width() - m_metrics.splitter, m_metrics.treeWidth, m_metrics.rightWidth);
    m_itemsHeight = Split(m_itemsHeight, m_area.Height() - 2 * m_metrics.title - m_metrics.splitter,
                          m_metrics.paneHeight, m_metrics.paneHeight);
}

PaneLayout::Rect PaneLayout::TreeTitle() const {
    return {m_area.left, m_area.top, m_area.left + m_treeWidth, m_area.top + m_metrics.title};
}

PaneLayout::Rect PaneLayout::Search() const {
    const int top = m_area.top + m_metrics.title;
    return {m_area.left, top, m_area.left + m_treeWidth, std::min(top + m_metrics.search, m_area.bottom)};
}

PaneLayout::Rect PaneLayout::Tree() const {
    return {m_area.left, Search().bottom, m_area.left + m_treeWidth, std::max(m_area.bottom, Search().bottom)};
}

PaneLayout::Rect PaneLayout::ItemsTitle() const {
    return {RightLeft(), m_area.top, m_area.right, m_area.top + m_metrics.title};
}

PaneLayout::Rect PaneLayout::Items() const {
    const int top = m_area.top + m_metrics.title;
    return {RightLeft(), top, m_area.right, top + m_itemsHeight};
}

PaneLayout::Rect PaneLayout::NoteTitle() const {
    const int top = Items().bottom + m_metrics.splitter;
    return {RightLeft(), top, m_area.right, top + m_metrics.title};
}

PaneLayout::Rect PaneLayout::Note() const {
    return {RightLeft(), NoteTitle().bottom, m_area.right, std::max(m_area.bottom, NoteTitle().bottom)};
}

PaneLayout::Rect PaneLayout::VerticalSplitter() const {
    const int left = m_area.left + m_treeWidth;
    return {left, m_area.top, left + m_metrics.splitter, m_area.bottom};
}

PaneLayout::Rect PaneLayout::HorizontalSplitter() const {
    const int top = Items().bottom;
    return {RightLeft(), top, m_area.right, top + m_metrics.splitter};
}

PaneLayout::Splitter PaneLayout::HitTest(int x, int y) const {
    if (VerticalSplitter().Contains(x, y)) {
        return Splitter::Vertical;
    }
    return HorizontalSplitter().Contains(x, y) ? Splitter::Horizontal : Splitter::None;
}

void PaneLayout::Drag(Splitter splitter, int position) {
    if (splitter == Splitter::Vertical) {
        m_treeWidth = position - m_area.left;
    } else if (splitter == Splitter::Horizontal) {
        m_itemsHeight = position - m_area.top - m_metrics.title;
    }
    Clamp();
}

} // namespace vaultlet
