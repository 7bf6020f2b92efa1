#include "cli/AddCommand.h"

#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

using AddCommandTest = test::CliFixture;

// The password line comes first and the rest of standard input is the value; with the password
// typed on the terminal, all of standard input is the value.
TEST_F(AddCommandTest, TheValueFromStandardInputFollowsThePasswordLine) {
    const std::string path = MakeDatabase();
    Add(path, {"Network/Router"});
    Add(path, {"Network/Router/Key", "--value-stdin"}, "pw\n-----BEGIN-----\nAAAA\n\n");
    ASSERT_EQ(RunTyped({"add", path, "Network/Router/Typed", "--value-stdin"}, {"pw"}, "pw\nvalue\n").status, 0);
    const auto database = Load(path);
    EXPECT_EQ(database->At(0)->At(0)->At(0)->Value(), "-----BEGIN-----\nAAAA\n");
    EXPECT_EQ(database->At(0)->At(0)->At(1)->Value(), "pw\nvalue");
}
