#include "autofill/SeedEntropy.h"

#include <windows.h>

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(SeedEntropyTest, GathersTickCountProcessAndCursor) {
    SetCursorPos(123, 45);
    POINT cursor{};
    ASSERT_TRUE(GetCursorPos(&cursor));
    const DWORD before = GetTickCount();
    const SeedEntropy entropy = CollectSeedEntropy();
    const DWORD after = GetTickCount();
    EXPECT_GE(entropy.tickCount, before);
    EXPECT_LE(entropy.tickCount, after);
    EXPECT_EQ(entropy.processId, GetCurrentProcessId());
    EXPECT_EQ(entropy.cursorX, cursor.x);
    EXPECT_EQ(entropy.cursorY, cursor.y);
    // Only removable drives count; the test prefix has none unless one is configured.
    const DWORD drives = GetLogicalDrives();
    std::size_t removable = 0;
    for (int position = 2; position < 32; ++position) {
        const char root[4] = {static_cast<char>('A' + position), ':', '\\', '\0'};
        removable += (drives & (DWORD{1} << position)) != 0 && GetDriveTypeA(root) == DRIVE_REMOVABLE ? 1 : 0;
    }
    EXPECT_LE(entropy.removableVolumes.size(), removable);
}
