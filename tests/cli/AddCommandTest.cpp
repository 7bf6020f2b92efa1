#include "cli/AddCommand.h"

#include "tests/cli/CliFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class AddCommandTest : public test::CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        m_path = MakeDatabase();
        Add(m_path, {"Network/Router"});
    }

    std::string m_path;
};

} // namespace

// One name makes a group, two a passcard, three an item, which takes its type's defaults but keeps
// the name it was given.
TEST_F(AddCommandTest, ThePathsDepthChoosesGroupPasscardOrItem) {
    Add(m_path, {"Work", "--comment", "office"});
    Add(m_path, {"Work/VPN", "--comment", "gateway"});
    Add(m_path, {"Work/VPN/Host", "--type", "host", "--value", "vpn.example.org"});
    Add(m_path, {"Work/VPN/Admin PIN", "--type", "password", "--value", "1234"});
    Add(m_path, {"Work/VPN/Note", "--hidden", "--comment", "c"});
    Add(m_path, {"TCP\\/IP"});
    const auto database = Load(m_path);
    ASSERT_EQ(database->GroupCount(), 7u);
    const Group& work = *database->At(5);
    EXPECT_EQ(work.Name(), "Work");
    EXPECT_EQ(work.Comment(), "office");
    EXPECT_EQ(database->At(6)->Name(), "TCP/IP");
    const Passcard& vpn = *work.At(0);
    EXPECT_EQ(vpn.Name(), "VPN");
    EXPECT_EQ(vpn.Comment(), "gateway");
    const Item& host = *vpn.At(0);
    EXPECT_EQ(host.Name(), "Host");
    EXPECT_EQ(host.Type(), ItemType::Host);
    EXPECT_FALSE(host.Hidden());
    EXPECT_EQ(host.Value(), "vpn.example.org");
    EXPECT_EQ(host.Time(), kNow);
    EXPECT_EQ(vpn.At(1)->Name(), "Admin PIN");
    EXPECT_EQ(vpn.At(1)->Type(), ItemType::Password);
    EXPECT_TRUE(vpn.At(1)->Hidden());
    EXPECT_EQ(vpn.At(2)->Type(), ItemType::Custom);
    EXPECT_TRUE(vpn.At(2)->Hidden());
    EXPECT_EQ(vpn.At(2)->Comment(), "c");
}

// The password line comes first and the rest of standard input is the value; with the password
// typed on the terminal, all of standard input is the value.
TEST_F(AddCommandTest, TheValueFromStandardInputFollowsThePasswordLine) {
    Add(m_path, {"Network/Router/Key", "--value-stdin"}, "pw\n-----BEGIN-----\nAAAA\n\n");
    ASSERT_EQ(RunTyped({"add", m_path, "Network/Router/Typed", "--value-stdin"}, {"pw"}, "pw\nvalue\n").status, 0);
    const auto database = Load(m_path);
    EXPECT_EQ(database->At(0)->At(0)->At(0)->Value(), "-----BEGIN-----\nAAAA\n");
    EXPECT_EQ(database->At(0)->At(0)->At(1)->Value(), "pw\nvalue");
}

TEST_F(AddCommandTest, TextsADatabaseCannotHoldAreRefusedAndNothingChanges) {
    const std::string before = test::ReadFileBytes(m_path);
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Network/Router/Key", "--value-stdin"}, std::string("pw\nab\0cd", 8)), 64,
                       "the value contains a NUL byte, which a database cannot hold");
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Network/Router/Key", "--value-stdin"}, "pw\nwindows\r\nline\n"), 64,
                       "the value contains a carriage return");
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Network/Router/Key", "--value", "a\rb"}), 64, "the value contains");
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Network/Router/Key", "--comment", "a\rb"}), 64, "the comment contains");
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Network/Ro\ruter"}), 64, "the name \"Ro\\ruter\" contains");
    EXPECT_EQ(test::ReadFileBytes(m_path), before);
}

TEST_F(AddCommandTest, WrongCombinationsAndTakenNamesAreUsageErrors) {
    Add(m_path, {"Network/Router/Pass"});
    const std::string before = test::ReadFileBytes(m_path);
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Work", "--value", "x"}), 64, "--value is for items only");
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Work/Card", "--type", "password"}), 64, "--type is for items only");
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Work/Card", "--hidden"}), 64, "--hidden is for items only");
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Network/Router/X", "--value", "a", "--value-stdin"}), 64,
                       "either --value or --value-stdin");
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Network/Router/X", "--type", "file"}), 64, "come only from imports");
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Network"}), 64, "there is already a group \"Network\"");
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Network/Router"}), 64, "there is already a passcard \"Network/Router\"");
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Network/Router/Pass"}), 64, "there is already an item");
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Nowhere/Card"}), 64, "no group \"Nowhere\"");
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Network/Switch/Pass"}), 64, "no passcard \"Network/Switch\"");
    EXPECT_EQ(test::ReadFileBytes(m_path), before);
}
