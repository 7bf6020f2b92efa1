#include "core/FileSystem.h"
#include "core/SafeFileWriter.h"

#include "tests/support/TempDir.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace vaultlet;

TEST(Win32FileSystemTest, ReplacingKeepsHiddenAndReadOnlyAttributes) {
    test::TempDir dir;
    const std::string path = dir.File("hidden.kvtdat");
    test::WriteFileBytes(path, "old");
    const DWORD attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY;
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes));

    ASSERT_TRUE(WriteFileSafely(FileSystem::Real(), path, "new", 3));
    EXPECT_EQ(test::ReadFileBytes(path), "new");
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & attributes, attributes);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Win32FileSystemTest, AFailedReplaceRestoresTheTargetsAttributes) {
    test::TempDir dir;
    const std::string path = dir.File("target.kvtdat");
    test::WriteFileBytes(path, "old");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    // The source does not exist, so the move fails after the attributes were cleared.
    EXPECT_FALSE(FileSystem::Real().Replace(dir.File("no-such-file"), path));
    EXPECT_EQ(test::ReadFileBytes(path), "old");
    EXPECT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}
