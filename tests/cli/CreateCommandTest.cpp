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
    const auto loaded = Load(path);
    const auto expected = NewDatabase::Create(path, "my.vault", "pw", 1);
    SecureString loadedText;
    SecureString expectedText;
    ASSERT_TRUE(DatabaseDocument::Print(*loaded, loadedText));
    ASSERT_TRUE(DatabaseDocument::Print(*expected, expectedText));
    EXPECT_EQ(loadedText, expectedText);
    EXPECT_EQ(loaded->GroupCount(), 5u);
    EXPECT_EQ(loaded->PasscardCount(), 0u);
}

TEST_F(CreateCommandTest, NameCipherAndIterationsCanBeChosen) {
    const char* ciphers[][2] = {{"aes256", "1"}, {"aes128", "0"}, {"twofish", "2"}, {"blowfish", "3"}};
    for (const auto& [cipher, id] : ciphers) {
        const std::string path = Path(std::string(cipher) + ".kvtdat");
        ASSERT_EQ(Run({"create", path, "--name", "Home Base", "--cipher", cipher, "--iterations", "1"}).status, 0);
        const std::string info = Run({"info", path}).out;
        EXPECT_NE(info.find("Name: Home Base\n"), std::string::npos) << info;
        EXPECT_NE(info.find("Cipher id: " + std::string(id) + "\n"), std::string::npos) << info;
        EXPECT_NE(info.find("Iterations: 1\n"), std::string::npos) << info;
        EXPECT_EQ(Load(path)->GroupCount(), 5u);
    }
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

TEST_F(CreateCommandTest, OnTheTerminalThePasswordIsAskedTwice) {
    const std::string path = Path("typed.kvtdat");
    CliRun run = RunTyped({"create", path, "--iterations", "1"}, {"secret", "secret"});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(m_cli.terminal.prompts.size(), 2u);
    EXPECT_NE(m_cli.terminal.prompts[0].find("typed.kvtdat"), std::string::npos);
    EXPECT_EQ(m_cli.terminal.prompts[1], "Repeat the password: ");
    Load(path, "secret");

    const std::string other = Path("other.kvtdat");
    EXPECT_CLI_FAILURE(RunTyped({"create", other}, {"secret", "Secret"}), 64, "the passwords do not match");
    EXPECT_CLI_FAILURE(RunTyped({"create", other}, {"secret"}), 64, "no password entered");
    EXPECT_EQ(m_dir.List(), std::vector<std::string>{"typed.kvtdat"});
}

TEST_F(CreateCommandTest, AFailedSaveLeavesNoFile) {
    EXPECT_CLI_FAILURE(Run({"create", Path("missing/db.kvtdat"), "--iterations", "1"}), 6, "could not save");
    test::FaultyFileSystem failing(test::FaultyFileSystem::Fault::Replace);
    EXPECT_CLI_FAILURE(Run({"create", Path("db.kvtdat"), "--iterations", "1"}, "pw\n", failing), 6,
                       "could not save \"" + Path("db.kvtdat") + "\"");
    EXPECT_TRUE(m_dir.List().empty());
}
