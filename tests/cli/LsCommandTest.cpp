#include "cli/LsCommand.h"

#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class LsCommandTest : public test::CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        m_path = MakeDatabase();
        Add(m_path, {"Internet/Mail"});
        Add(m_path, {"Internet/Bank"});
        Add(m_path, {"Internet/Mail/Login", "--type", "login", "--value", "me@example.org"});
        Add(m_path, {"Internet/Mail/Password", "--type", "password", "--value", "s3cret"});
        Add(m_path, {"Internet/Mail/Note", "--value", "line one\nline two", "--hidden"});
    }

    std::string m_path;
};

} // namespace

TEST_F(LsCommandTest, ListsTheChildrenOfTheDatabaseAGroupOrAPasscard) {
    EXPECT_EQ(Run({"ls", m_path}).out, "Network\nInternet\nE-Mail\nHomeBanking\nSoftware\n");
    EXPECT_EQ(Run({"ls", m_path, "Internet"}).out, "Mail\nBank\n");
    EXPECT_EQ(Run({"ls", m_path, "Network"}).out, "");
    EXPECT_EQ(Run({"ls", m_path, "Internet/Mail"}).out, "Login: me@example.org\n"
                                                        "Password: **********\n"
                                                        "Note: **********\n");
    EXPECT_EQ(Run({"ls", "--reveal", m_path, "Internet/Mail"}).out, "Login: me@example.org\n"
                                                                    "Password: s3cret\n"
                                                                    "Note: line one\\nline two\n");
    EXPECT_EQ(Run({"ls", m_path, "Internet/Mail/Password"}).out, "Password: **********\n");
}
