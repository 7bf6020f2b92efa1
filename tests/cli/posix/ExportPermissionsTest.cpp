#include "tests/cli/CliFixture.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vaultlet;

using ExportPermissionsTest = test::CliFixture;

// Every format goes through the same private write.
TEST_F(ExportPermissionsTest, AnExportOverAnOpenFileIsOwnerOnly) {
    const std::string database = MakeDatabase();
    const std::string out = Path("export.xml");
    ASSERT_TRUE(test::WriteFileBytes(out, "stale"));
    ASSERT_EQ(::chmod(out.c_str(), 0666), 0);
    ASSERT_EQ(Run({"export", database, "xml", out}).status, 0);
    struct stat info {};
    ASSERT_EQ(::stat(out.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}
