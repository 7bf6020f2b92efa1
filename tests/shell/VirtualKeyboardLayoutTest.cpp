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

} // namespace
} // namespace vaultlet
