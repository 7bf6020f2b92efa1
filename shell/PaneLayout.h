#pragma once

#include "shell/DpiScale.h"

namespace vaultlet {

// The fixed sizes of the main window's panes, in pixels at the window's resolution.
struct PaneMetrics {
    // At 96 DPI.
    static constexpr int kSplitter = 4;
    static constexpr int kTitleHeight = 18;
    static constexpr int kSearchHeight = 22;
    // No pane can be dragged or restored smaller than these, so that each stays usable: the tree
    // shows its names, the list more than its first column, list and note some rows.
    static constexpr int kMinimumTreeWidth = 100;
    static constexpr int kMinimumRightWidth = 240;
    static constexpr int kMinimumPaneHeight = 40;

    int splitter = kSplitter;
    int title = kTitleHeight;
    int search = kSearchHeight;
    int treeWidth = kMinimumTreeWidth;
    int rightWidth = kMinimumRightWidth;
    int paneHeight = kMinimumPaneHeight;

    static PaneMetrics At(const DpiScale& dpi);
};

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

    // The splitters' places the layout starts from, at 96 DPI.
    static constexpr int kDefaultTreeWidth = 180;
    static constexpr int kDefaultItemsHeight = 200;

    // `area`: the client area between toolbar and status bar.
    explicit PaneLayout(Rect area, int treeWidth = kDefaultTreeWidth, int itemsHeight = kDefaultItemsHeight,
                        const PaneMetrics& metrics = PaneMetrics());

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
    int RightLeft() const noexcept { return m_area.left + m_treeWidth + m_metrics.splitter; }

    Rect m_area;
    int m_treeWidth;
    int m_itemsHeight;
    PaneMetrics m_metrics;
};

} // namespace vaultlet
