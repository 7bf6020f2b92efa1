// What only Windows does to the program: a new password the ANSI code page cannot hold exactly is
// refused. (How a failed save or read ends is checked in process, with a failing file system.)
#include "tests/cli/CliBinary.h"

#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;

using CliWindowsTest = test::CliBinaryTest;

TEST_F(CliWindowsTest, ANewPasswordTheCodePageCannotHoldIsRefused) {
    // U+03A9 (Greek capital omega) is in no Western ANSI code page; a best-fit conversion would make
    // it "O", and "Omega" would then open the file too.
    const std::string omega = "\xCE\xA9mega\n";
    const std::string db = MakeDatabase("db.kvtdat");
    const std::string before = test::ReadFileBytes(db);
    EXPECT_CLI_FAILURE(Cli({"--password-stdin", "passwd", db}, "pw\n" + omega), 64, "cannot keep exactly");
    EXPECT_EQ(test::ReadFileBytes(db), before);
}
