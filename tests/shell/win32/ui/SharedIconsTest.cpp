#include "shell/win32/ui/SharedIcons.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace vaultlet {
namespace {

TEST(SharedIconsTest, HoldsTheThirtyFourSmallIconsInTheirFixedOrderAtEachResolution) {
    for (const auto& [dpi, size] : {std::pair{96, 16}, {120, 20}, {144, 24}, {192, 32}}) {
        const HIMAGELIST icons = SharedIcons::Get(DpiScale(dpi));
        ASSERT_NE(icons, nullptr);
        EXPECT_EQ(ImageList_GetImageCount(icons), SharedIcons::kCount);
        int width = 0;
        int height = 0;
        ImageList_GetIconSize(icons, &width, &height);
        EXPECT_EQ(width, size) << dpi;
        EXPECT_EQ(height, size) << dpi;
        EXPECT_EQ(SharedIcons::Get(DpiScale(dpi)), icons) << "one list for each size";
        // A button's picture comes in the same size.
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(SharedIcons::Picture(IDI_KEYBOARD_BUTTON, DpiScale(dpi)), &info));
        BITMAP picture{};
        GetObjectA(info.hbmColor, sizeof picture, &picture);
        EXPECT_EQ(picture.bmWidth, size) << dpi;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    EXPECT_EQ(SharedIcons::ResourceOf(0), IDI_NODE_LOCATION);
    EXPECT_EQ(SharedIcons::ResourceOf(SharedIcons::kCount - 1), IDI_NODE_CLOCK);
    EXPECT_EQ(SharedIcons::ResourceOf(SharedIcons::kCount), 0);
}

} // namespace
} // namespace vaultlet
