#include "cli/ImportCommand.h"

#include "tests/cli/CliFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vaultlet;
using test::ProcessResult;

using ImportCommandTest = test::CliFixture;

// The counts are those of the file, and its groups are saved (how each format is read and merged is
// the exchange tests'; which reader a format name picks shows in the failures of CliApplicationTest).
TEST_F(ImportCommandTest, TheFilesGroupsAreSavedAndItsCountsPrinted) {
    const std::string path = MakeDatabase();
    const ProcessResult run = Run({"import", path, "keepass1", test::DataPath("KeePass1Export.xml")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Imported: 4 Group(s), 5 Passcard(s), 8 Fields(s)\n");
    // The five groups of a new database and every imported one, under names of their own.
    EXPECT_EQ(std::ranges::count(Run({"ls", path}).out, '\n'), 5 + 4);
}
