#include "cli/ShowCommand.h"

#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class ShowCommandTest : public test::CliFixture {};

} // namespace

// What each kind of node shows is NodeTextTest's; here the node the path names is shown, with its
// hidden values revealed only when asked.
TEST_F(ShowCommandTest, ShowsTheFieldsOfTheNodeThePathNames) {
    const std::string path = MakeDatabase();
    Add(path, {"Internet/Bank", "--comment", "main account"});
    Add(path, {"Internet/Bank/PIN", "--type", "password", "--value", "4711"});
    EXPECT_EQ(Run({"show", path, "Internet"}).out.rfind("Name: Internet\nComment: \n", 0), 0u);
    EXPECT_EQ(Run({"show", path, "Internet/Bank"}).out.rfind("Name: Bank\nComment: main account\n", 0), 0u);
    const std::string item = Run({"show", path, "Internet/Bank/PIN"}).out;
    EXPECT_EQ(item.rfind("Name: PIN\nType: Password\nValue: **********\n", 0), 0u) << item;
    EXPECT_NE(Run({"show", path, "Internet/Bank/PIN", "--reveal"}).out.find("Value: 4711\n"), std::string::npos);
}
