#include "core/SafeFileWriter.h"

#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vaultlet;
using test::FaultyFileSystem;

namespace {

// Writes the content in three pieces, as real savers do.
bool WriteInPieces(FileSystem& fileSystem, const std::string& path, const std::string& content) {
    SafeFileWriter writer(fileSystem, path);
    if (!writer.Open()) {
        return false;
    }
    const std::size_t third = content.size() / 3;
    writer.Write(content.data(), third);
    writer.Write(content.data() + third, third);
    writer.Write(content.data() + 2 * third, content.size() - 2 * third);
    return writer.Commit();
}

bool IsReadOnly(const std::string& path) {
    const auto permissions = std::filesystem::status(path).permissions();
    return (permissions & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

} // namespace

TEST(SafeFileWriterTest, CreatesAndReplacesFilesLeavingNothingElseBehind) {
    test::TempDir dir;
    const std::string path = dir.File("db.kvtdat");
    ASSERT_TRUE(WriteFileSafely(FileSystem::Real(), path, "first", 5));
    EXPECT_EQ(test::ReadFileBytes(path), "first");
    ASSERT_TRUE(WriteInPieces(FileSystem::Real(), path, "second version"));
    EXPECT_EQ(test::ReadFileBytes(path), "second version");
    EXPECT_EQ(dir.List(), std::vector<std::string>{"db.kvtdat"});
}

TEST(SafeFileWriterTest, AnyFailingStepLeavesTheOriginalUntouchedAndNoStrayFile) {
    test::TempDir dir;
    const std::string path = dir.File("db.kvtdat");
    const std::string original = "original content that must survive";
    test::WriteFileBytes(path, original);

    FaultyFileSystem counting;
    ASSERT_TRUE(WriteInPieces(counting, dir.File("probe"), "abcdefghi"));
    ASSERT_EQ(counting.WriteCount(), 3);

    std::vector<FaultyFileSystem> faults;
    for (int k = 1; k <= counting.WriteCount(); ++k) {
        faults.emplace_back(FaultyFileSystem::Fault::Write, k);
    }
    faults.emplace_back(FaultyFileSystem::Fault::Flush);
    faults.emplace_back(FaultyFileSystem::Fault::Create);
    faults.emplace_back(FaultyFileSystem::Fault::Replace);
    for (auto& fileSystem : faults) {
        EXPECT_FALSE(WriteInPieces(fileSystem, path, "replacement that must not land"));
        EXPECT_EQ(test::ReadFileBytes(path), original);
        EXPECT_EQ(dir.List(), (std::vector<std::string>{"db.kvtdat", "probe"}));
    }
}

TEST(SafeFileWriterTest, ReplacesAReadOnlyFileAndKeepsItReadOnly) {
    test::TempDir dir;
    const std::string path = dir.File("locked.kvtdat");
    test::WriteFileBytes(path, "old");
    std::filesystem::permissions(path,
                                 std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    ASSERT_TRUE(IsReadOnly(path));

    ASSERT_TRUE(WriteFileSafely(FileSystem::Real(), path, "new", 3));
    EXPECT_EQ(test::ReadFileBytes(path), "new");
    EXPECT_TRUE(IsReadOnly(path));
    EXPECT_EQ(dir.List(), std::vector<std::string>{"locked.kvtdat"});
}

TEST(SafeFileWriterTest, FailsCleanlyWhenTheFolderDoesNotExist) {
    test::TempDir dir;
    const std::string path = dir.File("missing/db.kvtdat");
    EXPECT_FALSE(WriteFileSafely(FileSystem::Real(), path, "x", 1));
    EXPECT_TRUE(dir.List().empty());
    EXPECT_EQ(FileSystem::Real().OpenForReading(path), nullptr);
    EXPECT_EQ(FileSystem::Real().OpenForReading(dir.Path()), nullptr) << "a folder is not a readable file";
}
