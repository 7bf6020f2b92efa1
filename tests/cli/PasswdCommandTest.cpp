#include "cli/PasswdCommand.h"

#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;
using test::ProcessResult;

using PasswdCommandTest = test::CliFixture;

TEST_F(PasswdCommandTest, TheCurrentPasswordComesFirstThenTheNewOne) {
    const std::string path = MakeDatabase();
    Add(path, {"Internet/Mail"});
    ASSERT_EQ(Run({"passwd", path}, "pw\nnew one\n").status, 0);
    EXPECT_EQ(Load(path, "new one")->At(1)->At(0)->Name(), "Mail");

    // On the terminal: the current one, then the new one twice.
    const ProcessResult typed = RunTyped({"passwd", path}, {"new one", "third", "third"});
    ASSERT_EQ(typed.status, 0) << typed.err;
    EXPECT_EQ(m_terminal.prompts,
              (std::vector<std::string>{"Password for \"" + path + "\": ", "New password for \"" + path + "\": ",
                                        "Repeat the new password: "}));
    EXPECT_EQ(Load(path, "third")->At(1)->At(0)->Name(), "Mail");
}
