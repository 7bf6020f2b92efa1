#include "cli/AddCommand.h"

#include "tests/cli/CliFixture.h"

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
