#include "cli/CliApplication.h"

#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vaultlet;
using test::CliRun;

namespace {

class CliApplicationTest : public test::CliFixture {};

// An output that refuses every byte, like a full disk behind a redirection.
class FullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

} // namespace

TEST_F(CliApplicationTest, HelpAndVersionGoToStandardOutput) {
    const CliRun help = m_cli.Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("Usage: vaultlet-cli [--help] [--version] [--password-stdin] COMMAND [ARGS]\n", 0), 0u);
    // Every command with its arguments, then the notes.
    EXPECT_NE(help.out.find("\n  info FILE\n  ls FILE [PATH] [--reveal]\n"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("64 usage error"), std::string::npos);
    const CliRun commandHelp = m_cli.Run({"rm", "--help"});
    EXPECT_EQ(commandHelp.status, 0);
    EXPECT_EQ(commandHelp.out.rfind("Usage: vaultlet-cli rm FILE PATH\n", 0), 0u);

    const CliRun version = m_cli.Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("vaultlet-cli ", 0), 0u);
    EXPECT_EQ(version.out.back(), '\n');
}

TEST_F(CliApplicationTest, CommandLineMistakesAreUsageErrorsOnOneLine) {
    EXPECT_CLI_FAILURE(m_cli.Run({}), 64, "no command given (see vaultlet-cli --help)");
    EXPECT_CLI_FAILURE(m_cli.Run({"--password-stdin"}), 64, "no command given");
    EXPECT_CLI_FAILURE(m_cli.Run({"list"}), 64, "unknown command \"list\"");
    EXPECT_CLI_FAILURE(m_cli.Run({"--verbose", "info"}), 64, "unknown option --verbose");
    EXPECT_CLI_FAILURE(m_cli.Run({"info"}), 64, "missing arguments; usage: vaultlet-cli info FILE");
    EXPECT_CLI_FAILURE(m_cli.Run({"info", "a", "b"}), 64, "unexpected argument \"b\"");
    EXPECT_CLI_FAILURE(m_cli.Run({"info", "a", "--reveal"}), 64, "unknown option --reveal");
    // Even a password given as an argument is just an unknown option.
    EXPECT_CLI_FAILURE(m_cli.Run({"ls", "a", "--password", "secret"}), 64, "unknown option --password");
    EXPECT_CLI_FAILURE(m_cli.Run({"list\nmore"}), 64, "unknown command \"list\\nmore\"");
}

TEST_F(CliApplicationTest, PasswordStdinWorksBeforeOrAfterTheCommand) {
    const std::string path = MakeDatabase();
    EXPECT_EQ(m_cli.Run({"--password-stdin", "ls", path, "Internet"}, "pw\n").status, 0);
    EXPECT_EQ(m_cli.Run({"ls", path, "--password-stdin"}, "pw\n").status, 0);
    // Without it the terminal is asked, and standard input is left alone.
    const CliRun typed = RunTyped({"ls", path}, {"pw"}, "not the password\n");
    EXPECT_EQ(typed.status, 0) << typed.err;
    EXPECT_EQ(m_cli.terminal.prompts, std::vector<std::string>{"Password for \"" + path + "\": "});
    m_cli.terminal.present = false;
    EXPECT_CLI_FAILURE(m_cli.Run({"ls", path}), 64, "no terminal to ask for the password");
}

TEST_F(CliApplicationTest, OutputThatCannotBeWrittenFailsTheRun) {
    FullBuffer full;
    std::ostream out(&full);
    std::istringstream in;
    std::ostringstream err;
    test::FakeTerminal terminal;
    CliApplication application(in, out, err, terminal, FileSystem::Real());
    const std::vector<std::string_view> arguments = {"generate"};
    EXPECT_EQ(application.Run(arguments), 6);
    EXPECT_EQ(err.str(), "vaultlet-cli: could not write to standard output\n");
}
