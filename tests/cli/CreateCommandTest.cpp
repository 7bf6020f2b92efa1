#include "cli/CreateCommand.h"

#include "core/DatabaseDocument.h"
#include "core/NewDatabase.h"
#include "tests/cli/CliFixture.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;
using test::CliRun;

namespace {

class CreateCommandTest : public test::CliFixture {};

} // namespace

// A chosen name, cipher and iteration count show in InfoCommandTest, whose database is made so.
TEST_F(CreateCommandTest, ANewDatabaseHasTheProgramsDefaults) {
    const std::string path = Path("my.vault.kvtdat");
    const CliRun run = Run({"create", path});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Run({"info", path}).out, "Name: my.vault\n"
                                       "Cipher: AES (Rijndael) using 256-bit key\n"
                                       "Cipher id: 1\n"
                                       "Iterations: 100000\n");

    // The same content as the program's own new database.
    const auto expected = NewDatabase::Create(path, "my.vault", "pw", 1);
    SecureString loadedText;
    SecureString expectedText;
    ASSERT_TRUE(DatabaseDocument::Print(*Load(path), loadedText));
    ASSERT_TRUE(DatabaseDocument::Print(*expected, expectedText));
    EXPECT_EQ(loadedText, expectedText);
}

TEST_F(CreateCommandTest, WrongOptionsAreRefusedBeforeAnythingIsWritten) {
    const std::string path = Path("x.kvtdat");
    EXPECT_CLI_FAILURE(Run({"create", path, "--iterations", "0"}), 64,
                       "--iterations must be a whole number from 1 to 1000000");
    EXPECT_CLI_FAILURE(Run({"create", path, "--iterations", "1000001"}), 64, "from 1 to 1000000");
    EXPECT_CLI_FAILURE(Run({"create", path, "--cipher", "AES256"}), 64, "unknown cipher \"AES256\"");
    EXPECT_CLI_FAILURE(Run({"create", path, "--name", ""}), 64, "the database name must not be empty");
    EXPECT_CLI_FAILURE(Run({"create", Path(".kvtdat")}), 64, "the database name must not be empty");
    EXPECT_CLI_FAILURE(Run({"create", path, "--name", "a\rb"}), 64, "contains a carriage return");
    EXPECT_CLI_FAILURE(Run({"create", path, "--name", std::string(256, 'n')}), 64, "longer than 255 characters");
    EXPECT_CLI_FAILURE(Run({"create", path}, ""), 64, "standard input ended before a password line");
    EXPECT_CLI_FAILURE(Run({"create", path}, "\n"), 64, "the password must not be empty");
    EXPECT_TRUE(m_dir.List().empty());

    ASSERT_EQ(Run({"create", path, "--name", std::string(255, 'n'), "--iterations", "1"}).status, 0);
    EXPECT_EQ(Load(path)->Name(), std::string(255, 'n'));
}

TEST_F(CreateCommandTest, AnExistingFileIsReplacedOnlyWithForce) {
    const std::string path = MakeDatabase("db.kvtdat");
    const std::string before = test::ReadFileBytes(path);
    EXPECT_CLI_FAILURE(Run({"create", path, "--iterations", "1"}, "other\n"), 64, "already exists; add --force");
    EXPECT_EQ(test::ReadFileBytes(path), before);

    ASSERT_EQ(Run({"create", path, "--force", "--iterations", "1", "--name", "Fresh"}, "other\n").status, 0);
    EXPECT_EQ(Load(path, "other")->Name(), "Fresh");
    EXPECT_EQ(m_dir.List(), std::vector<std::string>{"db.kvtdat"});
}

// Asking twice and comparing is PasswordInputTest's; here the prompts name the file.
TEST_F(CreateCommandTest, OnTheTerminalThePasswordIsAskedTwice) {
    const std::string path = Path("typed.kvtdat");
    CliRun run = RunTyped({"create", path, "--iterations", "1"}, {"secret", "secret"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(m_cli.terminal.prompts,
              (std::vector<std::string>{"Password for the new database \"" + path + "\": ", "Repeat the password: "}));
    Load(path, "secret");
}

TEST_F(CreateCommandTest, AFailedSaveLeavesNoFile) {
    EXPECT_CLI_FAILURE(Run({"create", Path("missing/db.kvtdat"), "--iterations", "1"}), 6, "could not save");
    test::FaultyFileSystem failing(test::FaultyFileSystem::Fault::Replace);
    EXPECT_CLI_FAILURE(Run({"create", Path("db.kvtdat"), "--iterations", "1"}, "pw\n", failing), 6,
                       "could not save \"" + Path("db.kvtdat") + "\"");
    EXPECT_TRUE(m_dir.List().empty());
}
