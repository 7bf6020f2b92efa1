#include "cli/PasswordInput.h"

#include "tests/cli/CliFixture.h"
#include "tests/cli/UsageError.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vaultlet;

using test::UsageErrorOf;

TEST(PasswordInputTest, TheTerminalIsAskedOnceForAnExistingPasswordAndTwiceForANewOne) {
    test::FakeTerminal terminal;
    std::istringstream in("not read\n");
    PasswordInput passwords(false, in, terminal);
    terminal.answers = {"old secret", "new secret", "new secret"};
    EXPECT_EQ(passwords.Existing("Password: "), "old secret");
    EXPECT_EQ(passwords.New("New: ", "Again: "), "new secret");
    EXPECT_EQ(terminal.prompts, (std::vector<std::string>{"Password: ", "New: ", "Again: "}));
    // Standard input is left alone.
    EXPECT_EQ(in.peek(), 'n');

    terminal.answers = {"one", "other"};
    EXPECT_EQ(UsageErrorOf([&] { passwords.New("New: ", "Again: "); }), "the passwords do not match");
    terminal.answers = {""};
    EXPECT_EQ(UsageErrorOf([&] { passwords.New("New: ", "Again: "); }), "the password must not be empty");
    // An empty password can still be tried on an existing file.
    terminal.answers = {""};
    EXPECT_EQ(passwords.Existing("Password: "), "");
    terminal.answers = {};
    EXPECT_EQ(UsageErrorOf([&] { passwords.Existing("Password: "); }), "no password entered");
    terminal.present = false;
    EXPECT_EQ(UsageErrorOf([&] { passwords.Existing("Password: "); }),
              "no terminal to ask for the password; give it on standard input "
              "with --password-stdin");
}

TEST(PasswordInputTest, ANewPasswordMustKeepEveryCharacterAnExistingOneIsTriedAsItCame) {
    // What the Windows console gives for text with a character outside the ANSI code page.
    test::FakeTerminal terminal;
    terminal.exact = false;
    std::istringstream in;
    PasswordInput passwords(false, in, terminal);
    terminal.answers = {"?mega", "?mega", "?mega"};
    EXPECT_EQ(UsageErrorOf([&] { passwords.New("New: ", "Again: "); }),
              "the password contains characters that this system cannot keep "
              "exactly; use other characters");
    EXPECT_EQ(terminal.prompts, std::vector<std::string>{"New: "});
    EXPECT_EQ(passwords.Existing("Password: "), "?mega");
}
