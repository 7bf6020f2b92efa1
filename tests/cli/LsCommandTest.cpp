#include "cli/LsCommand.h"

#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

using LsCommandTest = test::CliFixture;

TEST_F(LsCommandTest, ListsTheChildrenOfTheDatabaseAGroupOrAPasscard) {
    const std::string path = MakeDatabase();
    Add(path, {"Internet/Mail"});
    Add(path, {"Internet/Bank"});
    Add(path, {"Internet/Mail/Login", "--type", "login", "--value", "me@example.org"});
    Add(path, {"Internet/Mail/Password", "--type", "password", "--value", "s3cret"});
    Add(path, {"Internet/Mail/Note", "--value", "line one\nline two", "--hidden"});
    EXPECT_EQ(Run({"ls", path}).out, "Network\nInternet\nE-Mail\nHomeBanking\nSoftware\n");
    EXPECT_EQ(Run({"ls", path, "Internet"}).out, "Mail\nBank\n");
    EXPECT_EQ(Run({"ls", path, "Network"}).out, "");
    EXPECT_EQ(Run({"ls", path, "Internet/Mail"}).out, "Login: me@example.org\n"
                                                      "Password: **********\n"
                                                      "Note: **********\n");
    EXPECT_EQ(Run({"ls", "--reveal", path, "Internet/Mail"}).out, "Login: me@example.org\n"
                                                                  "Password: s3cret\n"
                                                                  "Note: line one\\nline two\n");
    EXPECT_EQ(Run({"ls", path, "Internet/Mail/Password"}).out, "Password: **********\n");
}
