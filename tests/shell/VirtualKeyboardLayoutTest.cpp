#include "shell/VirtualKeyboardLayout.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

// The dialog's controls follow the table: every key is found by its id, and other ids find none.
TEST(VirtualKeyboardLayoutTest, EveryKeyIsFoundByItsId) {
    const auto& keys = VirtualKeyboardLayout::Keys();
    EXPECT_EQ(keys.front().commandId, IDC_VKEY_FIRST);
    for (const VirtualKey& key : keys) {
        EXPECT_EQ(VirtualKeyboardLayout::Find(key.commandId), &key) << key.commandId;
    }
    EXPECT_EQ(VirtualKeyboardLayout::Find(IDC_VKEY_FIRST - 1), nullptr);
}

TEST(VirtualKeyboardLayoutTest, KeysArePlacedRowByRowInsideTheWindow) {
    const auto& keys = VirtualKeyboardLayout::Keys();
    const auto rects = VirtualKeyboardLayout::KeyRects();
    int rows = 1;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_GE(rects[i].x, 5);
        EXPECT_LE(rects[i].x + rects[i].width, VirtualKeyboardLayout::kWindowWidth - 5) << keys[i].commandId;
        EXPECT_LE(rects[i].y + rects[i].height, VirtualKeyboardLayout::kWindowHeight - 5) << keys[i].commandId;
        if (i > 0 && rects[i].y == rects[i - 1].y) {
            EXPECT_EQ(rects[i].x, rects[i - 1].x + rects[i - 1].width + 1) << "keys of a row are one unit apart";
        } else if (i > 0) {
            EXPECT_EQ(rects[i].y, rects[i - 1].y + 15) << keys[i].commandId;
            ++rows;
        }
    }
    EXPECT_EQ(rows, 5);
}

TEST(VirtualKeyboardLayoutTest, PlacementCentresUnderTheBoxShiftedRight) {
    // Box from x 100 to 300, bottom at 240; a keyboard 400 wide.
    ScreenPoint at = VirtualKeyboardLayout::Placement(100, 300, 240, 400, DpiScale());
    EXPECT_EQ(at.x, 200 - 200 + 16);
    EXPECT_EQ(at.y, 245);
    // Odd sizes round towards zero; negative coordinates (a monitor left of the primary) work too.
    at = VirtualKeyboardLayout::Placement(-301, -100, -20, 321, DpiScale());
    EXPECT_EQ(at.x, -200 - 160 + 16);
    EXPECT_EQ(at.y, -15);
    // At 150 % scaling the distances grow with everything else.
    at = VirtualKeyboardLayout::Placement(150, 450, 360, 600, DpiScale(144));
    EXPECT_EQ(at.x, 300 - 300 + 24);
    EXPECT_EQ(at.y, 368);
}

} // namespace
} // namespace vaultlet
