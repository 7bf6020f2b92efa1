#include "cli/RmCommand.h"

#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

using RmCommandTest = test::CliFixture;

TEST_F(RmCommandTest, RemovesAnItemAPasscardOrAGroupWithEverythingBelowIt) {
    const std::string path = MakeDatabase();
    for (const char* node : {"Internet/Mail", "Internet/Mail/Login", "Internet/Mail/Password", "Internet/Shop"}) {
        Add(path, {node});
    }
    ASSERT_EQ(Run({"rm", path, "Internet/Mail/Login"}).status, 0);
    EXPECT_EQ(Run({"ls", path, "Internet/Mail"}).out, "Password: \n");
    ASSERT_EQ(Run({"rm", path, "Internet/Mail"}).status, 0);
    EXPECT_EQ(Run({"ls", path, "Internet"}).out, "Shop\n");
    ASSERT_EQ(Run({"rm", path, "Internet"}).status, 0);
    EXPECT_EQ(Run({"ls", path}).out, "Network\nE-Mail\nHomeBanking\nSoftware\n");
}
