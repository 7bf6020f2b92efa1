#include "core/FileSystem.h"
#include "core/SafeFileWriter.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vaultlet;

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

} // namespace

TEST(PosixFileSystemTest, NewFilesAreOwnerOnlyAndReplacedFilesKeepTheirPermissions) {
    test::TempDir dir;
    const std::string fresh = dir.File("fresh.kvtdat");
    ASSERT_TRUE(WriteFileSafely(FileSystem::Real(), fresh, "x", 1));
    EXPECT_EQ(ModeOf(fresh), 0600u) << "password databases are not world-readable by default";

    const std::string shared = dir.File("shared.kvtdat");
    test::WriteFileBytes(shared, "old");
    ASSERT_EQ(::chmod(shared.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileSafely(FileSystem::Real(), shared, "new", 3));
    EXPECT_EQ(ModeOf(shared), 0640u);
}
