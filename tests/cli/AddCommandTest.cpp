#include "cli/AddCommand.h"

#include "tests/cli/CliFixture.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;
using test::CliRun;

namespace {

class AddCommandTest : public test::CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        m_path = MakeDatabase();
    }

    const Item& ItemAt(const Database& database, std::size_t group, std::size_t passcard, std::size_t item) {
        return *database.At(group)->At(passcard)->At(item);
    }

    std::string m_path;
};

} // namespace

TEST_F(AddCommandTest, OneNameMakesAGroupTwoAPasscardThreeAnItem) {
    ASSERT_EQ(Run({"add", m_path, "Work", "--comment", "office"}).status, 0);
    ASSERT_EQ(Run({"add", m_path, "Work/VPN", "--comment", "gateway"}).status, 0);
    ASSERT_EQ(Run({"add", m_path, "Work/VPN/Host", "--type", "host", "--value", "vpn.example.org"}).status, 0);
    const auto database = Load(m_path);
    ASSERT_EQ(database->GroupCount(), 6u);
    const Group& work = *database->At(5);
    EXPECT_EQ(work.Name(), "Work");
    EXPECT_EQ(work.Comment(), "office");
    EXPECT_EQ(work.At(0)->Name(), "VPN");
    EXPECT_EQ(work.At(0)->Comment(), "gateway");
    const Item& host = *work.At(0)->At(0);
    EXPECT_EQ(host.Name(), "Host");
    EXPECT_EQ(host.Type(), ItemType::Host);
    EXPECT_EQ(host.Image(), 13);
    EXPECT_FALSE(host.Hidden());
    EXPECT_EQ(host.Value(), "vpn.example.org");
    EXPECT_EQ(host.Time(), kNow);
}

TEST_F(AddCommandTest, ItemsTakeTheirTypesDefaultsButKeepTheirName) {
    ASSERT_EQ(Run({"add", m_path, "Network/Router"}).status, 0);
    ASSERT_EQ(Run({"add", m_path, "Network/Router/Admin PIN", "--type", "password", "--value", "1234"}).status, 0);
    ASSERT_EQ(Run({"add", m_path, "Network/Router/Note", "--value", "plain"}).status, 0);
    ASSERT_EQ(Run({"add", m_path, "Network/Router/Secret note", "--hidden", "--comment", "c"}).status, 0);
    ASSERT_EQ(Run({"add", m_path, "Network/Router/Key", "--type", "Key Passphrase"}).status, 0);
    const auto database = Load(m_path);
    const Item& pin = ItemAt(*database, 0, 0, 0);
    EXPECT_EQ(pin.Name(), "Admin PIN");
    EXPECT_EQ(pin.Type(), ItemType::Password);
    EXPECT_EQ(pin.Image(), 1);
    EXPECT_TRUE(pin.Hidden());
    const Item& note = ItemAt(*database, 0, 0, 1);
    EXPECT_EQ(note.Type(), ItemType::Custom);
    EXPECT_EQ(note.Image(), 3);
    EXPECT_FALSE(note.Hidden());
    const Item& secret = ItemAt(*database, 0, 0, 2);
    EXPECT_TRUE(secret.Hidden());
    EXPECT_EQ(secret.Value(), "");
    EXPECT_EQ(secret.Comment(), "c");
    const Item& key = ItemAt(*database, 0, 0, 3);
    EXPECT_EQ(key.Type(), ItemType::KeyPassphrase);
    EXPECT_EQ(key.Image(), 24);
    EXPECT_TRUE(key.Hidden());
}

TEST_F(AddCommandTest, TheValueFromStandardInputFollowsThePasswordLineAndLosesOneLineFeed) {
    ASSERT_EQ(Run({"add", m_path, "Network/Router"}).status, 0);
    ASSERT_EQ(Run({"add", m_path, "Network/Router/Key", "--value-stdin"}, "pw\n-----BEGIN-----\nAAAA\n\n").status, 0);
    ASSERT_EQ(Run({"add", m_path, "Network/Router/Plain", "--value-stdin"}, "pw\nno line feed").status, 0);
    ASSERT_EQ(Run({"add", m_path, "Network/Router/Empty", "--value-stdin"}, "pw\n").status, 0);
    // With the password typed on the terminal, all of standard input is the value.
    ASSERT_EQ(RunTyped({"add", m_path, "Network/Router/Typed", "--value-stdin"}, {"pw"}, "pw\nvalue\n").status, 0);
    const auto database = Load(m_path);
    EXPECT_EQ(ItemAt(*database, 0, 0, 0).Value(), "-----BEGIN-----\nAAAA\n");
    EXPECT_EQ(ItemAt(*database, 0, 0, 1).Value(), "no line feed");
    EXPECT_EQ(ItemAt(*database, 0, 0, 2).Value(), "");
    EXPECT_EQ(ItemAt(*database, 0, 0, 3).Value(), "pw\nvalue");
}

TEST_F(AddCommandTest, TextsADatabaseCannotHoldAreRefusedAndNothingChanges) {
    ASSERT_EQ(Run({"add", m_path, "Network/Router"}).status, 0);
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
    ASSERT_EQ(Run({"add", m_path, "Network/Router"}).status, 0);
    ASSERT_EQ(Run({"add", m_path, "Network/Router/Pass"}).status, 0);
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
    EXPECT_CLI_FAILURE(Run({"add", m_path, "Network/Router/Pass"}, "wrong\n"), 1, "wrong password");
    EXPECT_EQ(test::ReadFileBytes(m_path), before);

    // Names differing only in case are different names; an escaped slash is part of a name.
    ASSERT_EQ(Run({"add", m_path, "network"}).status, 0);
    ASSERT_EQ(Run({"add", m_path, "TCP\\/IP"}).status, 0);
    ASSERT_EQ(Run({"add", m_path, "TCP\\/IP/a\\/b"}).status, 0);
    EXPECT_EQ(Run({"ls", m_path, "TCP\\/IP"}).out, "a/b\n");
    EXPECT_EQ(Load(m_path)->At(6)->Name(), "TCP/IP");
}

// A failed save exits with 6 and says the file is as it was; that every failing step of a save
// keeps the old file is checked where the saving is done (EncryptedDatabaseTest, SafeFileWriterTest).
TEST_F(AddCommandTest, AFailedSaveLeavesTheFileAsItWas) {
    const std::string before = test::ReadFileBytes(m_path);
    for (const auto fault : {test::FaultyFileSystem::Fault::Write, test::FaultyFileSystem::Fault::Replace}) {
        test::FaultyFileSystem failing(fault, 1);
        EXPECT_CLI_FAILURE(Run({"add", m_path, "Lost"}, "pw\n", failing), 6,
                           "could not save \"" + m_path + "\"; the file on disk is as it was before");
        EXPECT_EQ(test::ReadFileBytes(m_path), before);
    }
    EXPECT_EQ(m_dir.List(), std::vector<std::string>{"db.kvtdat"});
}
