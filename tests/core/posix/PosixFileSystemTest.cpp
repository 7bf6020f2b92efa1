#include "core/FileSystem.h"
#include "core/SafeFileWriter.h"

#include "tests/support/TempDir.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The writer's new file takes its access from the file it replaces only where that lends nothing to
// others: a plaintext file stays owner-only, and a file of another user lends nothing at all.
TEST(PosixFileSystemTest, ANewFileIsNeverMoreOpenThanItsOwnerAllows) {
    test::TempDir dir;
    const std::string path = dir.File("out.xml");
    // A file open to all becoming owner-only is ExportPermissionsTest's, through the export.
    ASSERT_TRUE(test::WriteFileBytes(path, "old"));
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    ASSERT_TRUE(WriteFileSafely(FileSystem::Real(), path, "plain", 5, NewFileAccess::Private));
    EXPECT_EQ(ModeOf(path), 0400u) << "a read-only target stays read-only";

    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to another user";
    }
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    ASSERT_TRUE(WriteFileSafely(FileSystem::Real(), path, "mine", 4));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u) << "another user's file lends no permissions";
    EXPECT_EQ(info.st_uid, ::geteuid());
    EXPECT_EQ(info.st_gid, ::getegid()) << "nor its group";
}

TEST(PosixFileSystemTest, SavingThroughASymbolicLinkReplacesTheFileItLeadsTo) {
    test::TempDir dir;
    ASSERT_EQ(::mkdir(dir.File("real").c_str(), 0700), 0);
    const std::string file = dir.File("real/db.kvtdat");
    const std::string link = dir.File("link.kvtdat");
    ASSERT_TRUE(test::WriteFileBytes(file, "old"));
    ASSERT_EQ(::symlink("real/db.kvtdat", link.c_str()), 0);

    ASSERT_TRUE(WriteFileSafely(FileSystem::Real(), link, "new", 3));
    struct stat info {};
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link stays a link";
    EXPECT_EQ(test::ReadFileBytes(file), "new");
    EXPECT_EQ(FileSystem::Real().ListFiles(dir.File("real")), std::vector<std::string>{"db.kvtdat"});
}

TEST(PosixFileSystemTest, TheLockKeepsOutOthersWhoAskForItUntilReleased) {
    test::TempDir dir;
    const std::string path = dir.File("db.kvtdat");
    ASSERT_TRUE(test::WriteFileBytes(path, "x"));
    const int other = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    {
        const std::unique_ptr<FileLock> lock = FileSystem::Real().Lock(path);
        ASSERT_NE(lock, nullptr);
        EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0);
        EXPECT_EQ(errno, EWOULDBLOCK);
        EXPECT_EQ(test::ReadFileBytes(path), "x") << "readers are not kept out";
    }
    EXPECT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    ::close(other);
    EXPECT_EQ(FileSystem::Real().Lock(dir.File("missing")), nullptr);
}
