#pragma once

namespace vaultlet {

// Where the main window's panes go inside its client area: the tree pane on the left, the item list
// above the note on the right, each under its title, with a splitter between tree and right side
// and one between list and note. Plain geometry, so the window only moves controls.
class PaneLayout {
public:
    struct Rect {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        int Width() const noexcept { return right - left; }
        int Height() const noexcept { return bottom - top; }
        bool Contains(int x, int y) const noexcept { return x >= left && x < right && y >= top && y < bottom; }
    };
    enum class Splitter { None, Vertical, Horizontal };

    static constexpr int kDefaultTreeWidth = 180;
    static constexpr int kDefaultItemsHeight = 200;
    static constexpr int kSplitterSize = 4;
    static constexpr int kTitleHeight = 18;
    static constexpr int kSearchHeight = 22;
    // Neither pane can be dragged smaller than this, so none can vanish for good.
    static constexpr int kMinimumPane = 40;

    // `area`: the client area between toolbar and status bar.
    explicit PaneLayout(Rect area, int treeWidth = kDefaultTreeWidth, int itemsHeight = kDefaultItemsHeight);

    // The sizes as used, kept inside the area (what is stored at exit).
    int TreeWidth() const noexcept { return m_treeWidth; }
    int ItemsHeight() const noexcept { return m_itemsHeight; }

    Rect TreeTitle() const;
    // The quick-search box above the tree.
    Rect Search() const;
    Rect Tree() const;
    Rect ItemsTitle() const;
    Rect Items() const;
    Rect NoteTitle() const;
    Rect Note() const;
    Rect VerticalSplitter() const;
    Rect HorizontalSplitter() const;

    Splitter HitTest(int x, int y) const;
    // Moves a splitter so that it sits at the given client coordinate (x for the vertical one, y for
    // the horizontal one), within the limits.
    void Drag(Splitter splitter, int position);

private:
    void Clamp();
    int RightLeft() const noexcept { return m_area.left + m_treeWidth + kSplitterSize; }

    Rect m_area;
    int m_treeWidth;
    int m_itemsHeight;
};

} // namespace vaultlet
