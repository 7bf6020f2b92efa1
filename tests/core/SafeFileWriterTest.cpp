#include "core/SafeFileWriter.h"

#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

} // namespace

TEST(SafeFileWriterTest, AnyFailingStepLeavesTheOriginalUntouchedAndNoStrayFile) {
    test::TempDir dir;
    const std::string path = dir.File("db.kvtdat");
    const std::string original = "original content that must survive";
    test::WriteFileBytes(path, original);

    FaultyFileSystem counting;
    ASSERT_TRUE(WriteInPieces(counting, dir.File("probe"), "abcdefghi"));
    ASSERT_EQ(counting.WriteCount(), 3);
    EXPECT_EQ(test::ReadFileBytes(dir.File("probe")), "abcdefghi");

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
