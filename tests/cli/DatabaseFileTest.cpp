#include "cli/DatabaseFile.h"

#include "tests/cli/CliFixture.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class DatabaseFileTest : public test::CliFixture {};

} // namespace

// Every command that opens a database exits with the load result; ls stands for all of them.
TEST_F(DatabaseFileTest, EveryLoadResultIsTheExitStatus) {
    const std::string path = MakeDatabase();
    const std::string bytes = test::ReadFileBytes(path);
    EXPECT_EQ(Run({"ls", path}).status, 0);
    EXPECT_CLI_FAILURE(Run({"ls", path}, "Pw\n"), 1, "wrong password for \"" + path + "\"");
    EXPECT_CLI_FAILURE(Run({"ls", path}, "\n"), 1, "wrong password");

    ASSERT_TRUE(test::WriteFileBytes(Path("cut"), bytes.substr(0, bytes.size() - 3)));
    EXPECT_CLI_FAILURE(Run({"ls", Path("cut")}), 2,
                       "\"" + Path("cut") + "\" is not a Vaultlet database, or it is damaged");
    ASSERT_TRUE(test::WriteFileBytes(Path("empty"), ""));
    EXPECT_CLI_FAILURE(Run({"ls", Path("empty")}), 2, "is not a Vaultlet database");

    EXPECT_CLI_FAILURE(Run({"ls", Path("missing")}), 3, "cannot open \"" + Path("missing") + "\"");

    // The check block arrives, the data blocks do not.
    test::FaultyFileSystem shortReads(test::FaultyFileSystem::Fault::Read, 48 + 2 * 2 + 16 + 16);
    EXPECT_CLI_FAILURE(Run({"ls", path}, "pw\n", shortReads), 4, "cannot read or decrypt \"" + path + "\"");

    std::string unknown = bytes;
    unknown[16] = 9;
    ASSERT_TRUE(test::WriteFileBytes(Path("unknown"), unknown));
    EXPECT_CLI_FAILURE(Run({"ls", Path("unknown")}), 5, "uses a cipher this program does not know (id 9)");
}

// A program that does not take the lock replaces the file between our load and our save: every
// command that changes a database refuses to overwrite it.
TEST_F(DatabaseFileTest, AFileChangedByAnotherProgramIsNotOverwritten) {
    const std::vector<std::vector<std::string>> changes = {
        {"add", "Mine"}, {"rm", "Network"}, {"set-cipher", "blowfish"}};
    for (const auto& change : changes) {
        const std::string path = MakeDatabase(change[0] + ".kvtdat");
        std::vector<std::string> arguments{change[0], path};
        arguments.insert(arguments.end(), change.begin() + 1, change.end());
        test::FaultyFileSystem intruded(test::FaultyFileSystem::Fault::Intruder);
        EXPECT_CLI_FAILURE(Run(arguments, "pw\n", intruded), 6,
                           "\"" + path + "\" was changed by another program since it was opened");
        EXPECT_EQ(test::ReadFileBytes(path), test::FaultyFileSystem::kIntruderContent) << change[0];
    }
    EXPECT_EQ(m_dir.List(), (std::vector<std::string>{"add.kvtdat", "rm.kvtdat", "set-cipher.kvtdat"}));
}
