#include "shell/PaneLayout.h"

#include <algorithm>

namespace vaultlet {

PaneLayout::PaneLayout(Rect area, int treeWidth, int itemsHeight)
    : m_area(area), m_treeWidth(treeWidth), m_itemsHeight(itemsHeight) {
    Clamp();
}

void PaneLayout::Clamp() {
    // Small windows win over the minimum: the splitter then sits at the middle.
    const int widthRoom = m_area.Width() - kSplitterSize - kMinimumPane;
    m_treeWidth = std::max(std::min(m_treeWidth, widthRoom), std::min(kMinimumPane, std::max(widthRoom, 0) / 2));
    m_treeWidth = std::max(m_treeWidth, 0);
    const int heightRoom = m_area.Height() - 2 * kTitleHeight - kSplitterSize - kMinimumPane;
    m_itemsHeight = std::max(std::min(m_itemsHeight, heightRoom), std::min(kMinimumPane, std::max(heightRoom, 0) / 2));
    m_itemsHeight = std::max(m_itemsHeight, 0);
}

PaneLayout::Rect PaneLayout::TreeTitle() const {
    return {m_area.left, m_area.top, m_area.left + m_treeWidth, m_area.top + kTitleHeight};
}

PaneLayout::Rect PaneLayout::Search() const {
    const int top = m_area.top + kTitleHeight;
    return {m_area.left, top, m_area.left + m_treeWidth, std::min(top + kSearchHeight, m_area.bottom)};
}

PaneLayout::Rect PaneLayout::Tree() const {
    return {m_area.left, Search().bottom, m_area.left + m_treeWidth, std::max(m_area.bottom, Search().bottom)};
}

PaneLayout::Rect PaneLayout::ItemsTitle() const {
    return {RightLeft(), m_area.top, m_area.right, m_area.top + kTitleHeight};
}

PaneLayout::Rect PaneLayout::Items() const {
    const int top = m_area.top + kTitleHeight;
    return {RightLeft(), top, m_area.right, top + m_itemsHeight};
}

PaneLayout::Rect PaneLayout::NoteTitle() const {
    const int top = Items().bottom + kSplitterSize;
    return {RightLeft(), top, m_area.right, top + kTitleHeight};
}

PaneLayout::Rect PaneLayout::Note() const {
    return {RightLeft(), NoteTitle().bottom, m_area.right, std::max(m_area.bottom, NoteTitle().bottom)};
}

PaneLayout::Rect PaneLayout::VerticalSplitter() const {
    const int left = m_area.left + m_treeWidth;
    return {left, m_area.top, left + kSplitterSize, m_area.bottom};
}

PaneLayout::Rect PaneLayout::HorizontalSplitter() const {
    const int top = Items().bottom;
    return {RightLeft(), top, m_area.right, top + kSplitterSize};
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
        m_itemsHeight = position - m_area.top - kTitleHeight;
    }
    Clamp();
}

} // namespace vaultlet
