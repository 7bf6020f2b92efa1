#include "shell/VirtualKeyboardLayout.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vaultlet {
namespace {

std::vector<std::string> RowLabels(int rowTop) {
    const auto& keys = VirtualKeyboardLayout::Keys();
    const auto rects = VirtualKeyboardLayout::KeyRects();
    std::vector<std::string> labels;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (rects[i].y == rowTop) {
            labels.emplace_back(keys[i].normal);
        }
    }
    return labels;
}

TEST(VirtualKeyboardLayoutTest, CommandIdsRunInTableOrderSkippingOneNumber) {
    const auto& keys = VirtualKeyboardLayout::Keys();
    ASSERT_EQ(keys.size(), 53u);
    EXPECT_EQ(keys.front().commandId, 11234);
    EXPECT_EQ(keys.back().commandId, 11287);
    std::set<int> ids;
    for (std::size_t i = 1; i < keys.size(); ++i) {
        const int step = keys[i].commandId - keys[i - 1].commandId;
        // Only after Backspace does the numbering skip one.
        EXPECT_EQ(step, keys[i - 1].commandId == IDC_VKEY_BACKSPACE ? 2 : 1) << keys[i].commandId;
        ids.insert(keys[i].commandId);
    }
    EXPECT_EQ(ids.count(11248), 0u);

    const std::pair<int, VirtualKeyRole> roles[] = {{IDC_VKEY_BACKSPACE, VirtualKeyRole::Backspace},
                                                    {IDC_VKEY_CAPS, VirtualKeyRole::Caps},
                                                    {IDC_VKEY_OK, VirtualKeyRole::Ok},
                                                    {IDC_VKEY_SHIFT, VirtualKeyRole::Shift},
                                                    {IDC_VKEY_SHIFT_RIGHT, VirtualKeyRole::Shift},
                                                    {IDC_VKEY_SPACE, VirtualKeyRole::Character}};
    for (const auto& [id, role] : roles) {
        const VirtualKey* key = VirtualKeyboardLayout::Find(id);
        ASSERT_NE(key, nullptr) << id;
        EXPECT_EQ(key->role, role) << id;
    }
    EXPECT_EQ(VirtualKeyboardLayout::Find(11248), nullptr);
    EXPECT_EQ(VirtualKeyboardLayout::Find(11233), nullptr);
    EXPECT_EQ(VirtualKeyboardLayout::Find(IDC_VKEY_SPACE)->normal, " ");
    EXPECT_EQ(VirtualKeyboardLayout::Find(IDC_VKEY_ROW3_FIRST + 9)->shifted, ":");
    EXPECT_EQ(VirtualKeyboardLayout::Find(IDC_VKEY_ROW3_FIRST + 10)->normal, "'");
    EXPECT_EQ(VirtualKeyboardLayout::Find(IDC_VKEY_ROW3_FIRST + 10)->shifted, "\"");
    EXPECT_EQ(VirtualKeyboardLayout::Find(IDC_VKEY_ROW4_FIRST + 9)->shifted, "?");
}

TEST(VirtualKeyboardLayoutTest, RowsHoldTheUsLayout) {
    using Labels = std::vector<std::string>;
    EXPECT_EQ(RowLabels(7), (Labels{"`", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "=", ""}));
    EXPECT_EQ(RowLabels(22), (Labels{"q", "w", "e", "r", "t", "y", "u", "i", "o", "p", "[", "]", "\\"}));
    EXPECT_EQ(RowLabels(37), (Labels{"Caps", "a", "s", "d", "f", "g", "h", "j", "k", "l", ";", "'", "OK"}));
    EXPECT_EQ(RowLabels(52), (Labels{"Shift", "z", "x", "c", "v", "b", "n", "m", ",", ".", "/", ""}));
    EXPECT_EQ(RowLabels(67), (Labels{" "}));

    // Letters and the backtick follow Caps; digits and punctuation only Shift.
    for (const VirtualKey& key : VirtualKeyboardLayout::Keys()) {
        if (key.role != VirtualKeyRole::Character || key.commandId == IDC_VKEY_SPACE) {
            continue;
        }
        const bool letterLike = (key.normal[0] >= 'a' && key.normal[0] <= 'z') || key.normal == "`";
        EXPECT_EQ(key.shiftOnly, !letterLike) << key.normal;
        EXPECT_NE(key.normal, key.shifted) << key.normal;
    }
}

TEST(VirtualKeyboardLayoutTest, KeysArePlacedRowByRowInsideTheWindow) {
    const auto& keys = VirtualKeyboardLayout::Keys();
    const auto rects = VirtualKeyboardLayout::KeyRects();
    auto rectOf = [&](int id) {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i].commandId == id) {
                return rects[i];
            }
        }
        return DialogUnitRect{};
    };
    // The first key of each row sits at its indent times 7, plus the margin of 5.
    const DialogUnitRect backtick = rectOf(IDC_VKEY_FIRST);
    EXPECT_EQ(backtick.x, 5);
    EXPECT_EQ(backtick.y, 7);
    EXPECT_EQ(backtick.width, 13);
    EXPECT_EQ(backtick.height, 14);
    EXPECT_EQ(rectOf(IDC_VKEY_ROW2_FIRST).x, 26);
    EXPECT_EQ(rectOf(IDC_VKEY_ROW2_FIRST).y, 22);
    const DialogUnitRect backspace = rectOf(IDC_VKEY_BACKSPACE);
    EXPECT_EQ(backspace.x, 5 + 13 * 14);
    EXPECT_EQ(backspace.width, 20);
    EXPECT_EQ(rectOf(IDC_VKEY_ROW3_FIRST).x, 5 + 28);
    const DialogUnitRect space = rectOf(IDC_VKEY_SPACE);
    EXPECT_EQ(space.x, 47);
    EXPECT_EQ(space.y, 67);
    EXPECT_EQ(space.width, 125);

    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_GE(rects[i].x, 5);
        EXPECT_LE(rects[i].x + rects[i].width, VirtualKeyboardLayout::kWindowWidth - 5) << keys[i].commandId;
        EXPECT_LE(rects[i].y + rects[i].height, VirtualKeyboardLayout::kWindowHeight - 5) << keys[i].commandId;
        if (i > 0 && rects[i].y == rects[i - 1].y) {
            EXPECT_EQ(rects[i].x, rects[i - 1].x + rects[i - 1].width + 1) << "keys of a row are one unit apart";
        }
    }
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
