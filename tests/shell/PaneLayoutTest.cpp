#include "shell/PaneLayout.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

TEST(PaneLayoutTest, FixedSizesGrowWithTheResolution) {
    const DpiScale dpi(144);
    const PaneLayout layout({0, 45, 798, 570}, dpi.Scale(PaneLayout::kDefaultTreeWidth),
                            dpi.Scale(PaneLayout::kDefaultItemsHeight), PaneMetrics::At(dpi));
    EXPECT_EQ(layout.TreeTitle().Height(), 27);
    EXPECT_EQ(layout.Search().Height(), 33);
    EXPECT_EQ(layout.Tree().right, 270);
    EXPECT_EQ(layout.VerticalSplitter().Width(), 6);
    EXPECT_EQ(layout.Items().left, 276);
    EXPECT_EQ(layout.Items().Height(), 300);
    EXPECT_EQ(layout.HorizontalSplitter().Height(), 6);
}

TEST(PaneLayoutTest, EveryPaneKeepsItsPlaceInsideTheWindow) {
    // A window too small for every minimum shares its room in their proportion.
    const PaneLayout small({0, 0, 60, 50}, 900, 900);
    EXPECT_EQ(small.Tree().right,
              56 * PaneMetrics::kMinimumTreeWidth / (PaneMetrics::kMinimumTreeWidth + PaneMetrics::kMinimumRightWidth));
    EXPECT_LE(small.Items().right, 60);
    EXPECT_LE(small.Note().top, 50);
    EXPECT_GE(small.ItemsHeight(), 0);
    const PaneLayout none({0, 0, 0, 0});
    EXPECT_EQ(none.TreeWidth(), 0);
    EXPECT_EQ(none.ItemsHeight(), 0);
}

} // namespace
} // namespace vaultlet
