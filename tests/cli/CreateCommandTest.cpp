#include "cli/CreateCommand.h"

#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;
using test::ProcessResult;

using CreateCommandTest = test::CliFixture;

// A chosen name, cipher and iteration count show in InfoCommandTest, whose database is made so.
TEST_F(CreateCommandTest, ANewDatabaseHasTheProgramsDefaults) {
    const std::string path = Path("my.vault.kvtdat");
    const ProcessResult run = Run({"create", path});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Run({"info", path}).out, "Name: my.vault\n"
                                       "Cipher: AES (Rijndael) using 256-bit key\n"
                                       "Cipher id: 1\n"
                                       "Iterations: 100000\n");
}

TEST_F(CreateCommandTest, AnExistingFileIsReplacedOnlyWithForce) {
    const std::string path = MakeDatabase("db.kvtdat");
    ASSERT_EQ(Run({"create", path, "--force", "--iterations", "1", "--name", "Fresh"}, "other\n").status, 0);
    EXPECT_EQ(Load(path, "other")->Name(), "Fresh");
    EXPECT_EQ(m_dir.List(), std::vector<std::string>{"db.kvtdat"});
}
