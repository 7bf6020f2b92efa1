#include "cli/PasswdCommand.h"

#include "tests/cli/CliFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;
using test::CliRun;

namespace {

class PasswdCommandTest : public test::CliFixture {
protected:
    LoadResult Open(const std::string& path, const std::string& password) {
        EncryptedDatabase database;
        database.SetPassword(password);
        return database.Load(path);
    }
};

} // namespace

TEST_F(PasswdCommandTest, TheCurrentPasswordComesFirstThenTheNewOne) {
    const std::string path = MakeDatabase();
    Add(path, {"Internet/Mail"});
    ASSERT_EQ(Run({"passwd", path}, "pw\nnew one\n").status, 0);
    EXPECT_EQ(Open(path, "pw"), LoadResult::WrongPassword);
    EXPECT_EQ(Load(path, "new one")->At(1)->At(0)->Name(), "Mail");

    // On the terminal: the current one, then the new one twice.
    const CliRun typed = RunTyped({"passwd", path}, {"new one", "third", "third"});
    ASSERT_EQ(typed.status, 0) << typed.err;
    EXPECT_EQ(m_cli.terminal.prompts.size(), 3u);
    EXPECT_EQ(Open(path, "third"), LoadResult::Loaded);
}

TEST_F(PasswdCommandTest, AMissingOrEmptyNewPasswordChangesNothing) {
    const std::string path = MakeDatabase();
    const std::string before = test::ReadFileBytes(path);
    EXPECT_CLI_FAILURE(Run({"passwd", path}, "pw\n"), 64, "standard input ended before a password line");
    EXPECT_CLI_FAILURE(Run({"passwd", path}, "pw\n\n"), 64, "the password must not be empty");
    EXPECT_EQ(test::ReadFileBytes(path), before);
}
