#include "cli/ShowCommand.h"

#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;
using test::CliRun;

namespace {

class ShowCommandTest : public test::CliFixture {};

} // namespace

TEST_F(ShowCommandTest, ShowsTheFieldsOfTheNodeWithHiddenValuesMaskedUnlessRevealed) {
    const std::string path = MakeDatabase();
    ASSERT_EQ(Run({"add", path, "Internet/Bank", "--comment", "main account"}).status, 0);
    ASSERT_EQ(Run({"add", path, "Internet/Bank/PIN", "--type", "password", "--value", "4711"}).status, 0);

    EXPECT_EQ(Run({"show", path, "Internet/Bank/PIN"}).out, "Name: PIN\n"
                                                            "Type: Password\n"
                                                            "Value: **********\n"
                                                            "Hidden: yes\n"
                                                            "Meta: \n"
                                                            "Comment: \n"
                                                            "Image: 1\n"
                                                            "Created: 2023-11-14 22:13:20 UTC\n"
                                                            "Attachment: 0 bytes\n");
    const std::string revealed = Run({"show", path, "Internet/Bank/PIN", "--reveal"}).out;
    EXPECT_NE(revealed.find("Value: 4711\n"), std::string::npos) << revealed;

    const std::string passcard = Run({"show", path, "Internet/Bank"}).out;
    EXPECT_EQ(passcard.rfind("Name: Bank\nComment: main account\nImage: -1\n", 0), 0u) << passcard;
    EXPECT_NE(passcard.find("Fields: 1\n"), std::string::npos);
    EXPECT_EQ(passcard.find("4711"), std::string::npos);
    // A group shows its creation time and how many passcards it holds, and nothing more.
    EXPECT_EQ(Run({"show", path, "Internet"}).out, "Name: Internet\n"
                                                   "Comment: \n"
                                                   "Image: -1\n"
                                                   "Created: 2023-11-14 22:13:20 UTC\n"
                                                   "Passcards: 1\n");

    EXPECT_CLI_FAILURE(Run({"show", path, "Internet/Bank/Pin"}), 64, "no item \"Internet/Bank/Pin\"");
    EXPECT_CLI_FAILURE(Run({"show", path}), 64, "missing arguments; usage: vaultlet-cli show FILE PATH [--reveal]");
}
