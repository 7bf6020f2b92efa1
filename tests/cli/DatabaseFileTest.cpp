#include "cli/DatabaseFile.h"

#include "tests/cli/CliFixture.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;
using test::FaultyFileSystem;

using DatabaseFileTest = test::CliFixture;

// The check block arrives, the data blocks do not.
TEST_F(DatabaseFileTest, AFailedReadExitsWithFour) {
    const std::string path = MakeDatabase();
    FaultyFileSystem shortReads(FaultyFileSystem::Fault::Read, 48 + 2 * 2 + 16 + 16);
    EXPECT_CLI_FAILURE(Run({"ls", path}, "pw\n", shortReads), 4, "cannot read or decrypt \"" + path + "\"");
}

// A wrong password, a failed save, and another program that does not take the lock replacing the
// file between our load and our save: every command that changes a database leaves the file as it
// was (or as the other program wrote it) and exits with the failure's status.
TEST_F(DatabaseFileTest, EveryChangingCommandLeavesTheFileAsItWasWhenItFails) {
    const std::string other = MakeDatabase("other.kvtdat");
    Add(other, {"Theirs"});
    const std::vector<std::vector<std::string>> changes = {{"add", "Mine"},
                                                           {"rm", "Network"},
                                                           {"set-cipher", "blowfish"},
                                                           {"passwd"},
                                                           {"import", "keepass1", test::DataPath("KeePass1Export.xml")},
                                                           {"merge", other}};
    for (const auto& change : changes) {
        SCOPED_TRACE(change[0]);
        const std::string path = MakeDatabase(change[0] + ".kvtdat");
        const std::string before = test::ReadFileBytes(path);
        std::vector<std::string> arguments{change[0], path};
        arguments.insert(arguments.end(), change.begin() + 1, change.end());
        EXPECT_CLI_FAILURE(Run(arguments, "PW\nnew\n"), 1, "wrong password");
        FaultyFileSystem failing(FaultyFileSystem::Fault::Write, 1);
        EXPECT_CLI_FAILURE(Run(arguments, "pw\nnew\n", failing), 6,
                           "could not save \"" + path + "\"; the file on disk is as it was before");
        EXPECT_EQ(test::ReadFileBytes(path), before);
        FaultyFileSystem intruded(FaultyFileSystem::Fault::Intruder);
        EXPECT_CLI_FAILURE(Run(arguments, "pw\nnew\n", intruded), 6,
                           "\"" + path + "\" was changed by another program since it was opened");
        EXPECT_EQ(test::ReadFileBytes(path), FaultyFileSystem::kIntruderContent);
    }
    EXPECT_EQ(m_dir.List().size(), changes.size() + 1);
}
