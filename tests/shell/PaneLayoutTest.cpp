#include "shell/PaneLayout.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

using Rect = PaneLayout::Rect;

TEST(PaneLayoutTest, PanesTileTheAreaAroundTheSplitters) {
    const PaneLayout layout({0, 30, 532, 380});
    EXPECT_EQ(layout.Tree().right, 180);
    EXPECT_EQ(layout.Tree().bottom, 380);
    EXPECT_EQ(layout.Items().left, 180 + PaneLayout::kSplitterSize);
    EXPECT_EQ(layout.Items().Height(), 200);
    EXPECT_EQ(layout.Items().right, 532);
    EXPECT_EQ(layout.NoteTitle().top, layout.Items().bottom + PaneLayout::kSplitterSize);
    EXPECT_EQ(layout.Note().bottom, 380);
    EXPECT_EQ(layout.HitTest(181, 100), PaneLayout::Splitter::Vertical);
    EXPECT_EQ(layout.HitTest(300, layout.Items().bottom + 1), PaneLayout::Splitter::Horizontal);
    EXPECT_EQ(layout.HitTest(100, 100), PaneLayout::Splitter::None);
}

TEST(PaneLayoutTest, SplittersStayInsideTheArea) {
    PaneLayout layout({0, 0, 500, 400});
    layout.Drag(PaneLayout::Splitter::Vertical, 490);
    EXPECT_EQ(layout.TreeWidth(), 500 - PaneLayout::kSplitterSize - PaneLayout::kMinimumPane);
    layout.Drag(PaneLayout::Splitter::Vertical, -20);
    EXPECT_EQ(layout.TreeWidth(), PaneLayout::kMinimumPane);
    layout.Drag(PaneLayout::Splitter::Horizontal, 1000);
    EXPECT_GE(layout.Note().Height(), PaneLayout::kMinimumPane);
    // Stored sizes from a larger screen are brought inside a small window.
    const PaneLayout small({0, 0, 60, 50}, 900, 900);
    EXPECT_LE(small.Tree().right, 60);
    EXPECT_LE(small.Note().top, 50);
    EXPECT_GE(small.TreeWidth(), 0);
    EXPECT_GE(small.ItemsHeight(), 0);
}

} // namespace
} // namespace vaultlet
