#include "shell/win32/ui/SharedIcons.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace vaultlet {
namespace {

TEST(SharedIconsTest, HoldsTheThirtyFourSmallIconsInTheirFixedOrder) {
    const HIMAGELIST icons = SharedIcons::Get();
    ASSERT_NE(icons, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(icons), SharedIcons::kCount);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(icons, &width, &height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);
    EXPECT_EQ(SharedIcons::Get(), icons) << "one list for the process";
    EXPECT_EQ(SharedIcons::ResourceOf(0), IDI_NODE_LOCATION);
    EXPECT_EQ(SharedIcons::ResourceOf(6), IDI_NODE_DATABASE);
    EXPECT_EQ(SharedIcons::ResourceOf(7), IDI_NODE_PASSCARD);
    EXPECT_EQ(SharedIcons::ResourceOf(SharedIcons::kDatabaseFileImage), IDI_NODE_DATABASE_FILE);
    EXPECT_EQ(SharedIcons::ResourceOf(SharedIcons::kLocalDatabaseFileImage), IDI_NODE_DATABASE_LOCAL);
    EXPECT_EQ(SharedIcons::ResourceOf(33), IDI_NODE_CLOCK);
    EXPECT_EQ(SharedIcons::ResourceOf(34), 0);
}

} // namespace
} // namespace vaultlet
