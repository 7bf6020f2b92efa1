#include "cli/InfoCommand.h"

#include "tests/cli/CliFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;
using test::CliRun;

namespace {

class InfoCommandTest : public test::CliFixture {};

} // namespace

// Control characters of the name are written as escapes: they do not reach the terminal.
TEST_F(InfoCommandTest, PrintsTheHeaderWithoutAskingForThePassword) {
    const std::string path =
        MakeDatabase("home.kvtdat", {"--cipher", "blowfish", "--name", "Home \xC3\xA4\x1b]0;x\x07\tend"});
    const CliRun run = RunTyped({"info", path}, {});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Name: Home \xC3\xA4\\x1b]0;x\\x07\tend\n"
                       "Cipher: Blowfish (64-bit block cipher using 256-bit key)\n"
                       "Cipher id: 3\n"
                       "Iterations: 2\n");
    EXPECT_TRUE(m_cli.terminal.prompts.empty());
}

TEST_F(InfoCommandTest, FilesThatAreNoDatabasesFailWithTheLoadResult) {
    EXPECT_CLI_FAILURE(Run({"info", Path("missing.kvtdat")}), 3, "cannot open");
    EXPECT_CLI_FAILURE(Run({"info", m_dir.Path()}), 3, "cannot open");

    const std::string path = MakeDatabase();
    const std::string bytes = test::ReadFileBytes(path);
    ASSERT_TRUE(test::WriteFileBytes(Path("short"), bytes.substr(0, 48)));
    EXPECT_CLI_FAILURE(Run({"info", Path("short")}), 2, "is not a Vaultlet database, or it is damaged");
    ASSERT_TRUE(test::WriteFileBytes(Path("text"), std::string(100, 'x')));
    EXPECT_CLI_FAILURE(Run({"info", Path("text")}), 2, "is not a Vaultlet database");

    std::string unknown = bytes;
    unknown[16] = 7;
    ASSERT_TRUE(test::WriteFileBytes(Path("unknown"), unknown));
    EXPECT_CLI_FAILURE(Run({"info", Path("unknown")}), 5, "uses a cipher this program does not know (id 7)");
}
