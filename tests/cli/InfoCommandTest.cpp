#include "cli/InfoCommand.h"

#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;
using test::ProcessResult;

using InfoCommandTest = test::CliFixture;

// Control characters of the name are written as escapes: they do not reach the terminal.
TEST_F(InfoCommandTest, PrintsTheHeaderWithoutAskingForThePassword) {
    const std::string path =
        MakeDatabase("home.kvtdat", {"--cipher", "blowfish", "--name", "Home \xC3\xA4\x1b]0;x\x07\tend"});
    const ProcessResult run = RunTyped({"info", path}, {});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Name: Home \xC3\xA4\\x1b]0;x\\x07\tend\n"
                       "Cipher: Blowfish (64-bit block cipher using 256-bit key)\n"
                       "Cipher id: 3\n"
                       "Iterations: 2\n");
    EXPECT_TRUE(m_terminal.prompts.empty());
}
