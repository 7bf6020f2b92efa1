#include "cli/ShowCommand.h"

#include "core/Clock.h"
#include "tests/cli/CliFixture.h"
#include "tests/support/DatabaseFiles.h"

#include <gtest/gtest.h>

using namespace vaultlet;

using ShowCommandTest = test::CliFixture;

// Every field of each kind of node. The nodes are made by add, so this also checks that the depth of
// its path chooses group, passcard or item, and that its options land on the node it makes.
TEST_F(ShowCommandTest, ShowsTheFieldsOfTheNodeThePathNames) {
    const std::string path = MakeDatabase();
    Add(path, {"Work\\/Home", "--comment", "office"});
    Add(path, {"Work\\/Home/Bank", "--comment", "main account"});
    Add(path, {"Work\\/Home/Bank/Key", "--type", "key-passphrase", "--value", "open sesame", "--comment", "c"});
    EXPECT_NE(Run({"show", path, "Work\\/Home/Bank"}).out.find("Expires: never\nExpired: no\n"), std::string::npos);
    // What add does not set, another copy of the program does.
    ASSERT_TRUE(test::ChangeDatabaseFile(
        path,
        [](EncryptedDatabase& database) {
            Passcard& bank = *database.At(5)->At(0);
            bank.SetBookmark(true);
            bank.SetWindow("Login - Bank");
            bank.SetExpiration(Clock::UnixToFileTime(kNow - 60));
            const std::uint8_t data[] = {1, 2, 3};
            bank.At(0)->SetMeta("id_rsa");
            bank.At(0)->SetBinary(data, sizeof data);
        },
        kPassword));

    EXPECT_EQ(Run({"show", path, "Work\\/Home"}).out, "Name: Work/Home\n"
                                                      "Comment: office\n"
                                                      "Image: -1\n"
                                                      "Created: 2023-11-14 22:13:20 UTC\n"
                                                      "Passcards: 1\n");
    EXPECT_EQ(Run({"show", path, "Work\\/Home/Bank"}).out, "Name: Bank\n"
                                                           "Comment: main account\n"
                                                           "Image: -1\n"
                                                           "Created: 2023-11-14 22:13:20 UTC\n"
                                                           "Fields: 1\n"
                                                           "Bookmark: yes\n"
                                                           "Autofill: no\n"
                                                           "Autofill string: <Login>{TAB}<Password>\n"
                                                           "Window: Login - Bank\n"
                                                           "Window ID: \n"
                                                           "Expires: 2023-11-14 22:12:20 UTC\n"
                                                           "Expired: yes\n");
    const std::string item = Run({"show", path, "Work\\/Home/Bank/Key"}).out;
    EXPECT_EQ(item, "Name: Key\n"
                    "Type: Key passphrase\n"
                    "Value: **********\n"
                    "Hidden: yes\n"
                    "Meta: id_rsa\n"
                    "Comment: c\n"
                    "Image: 24\n"
                    "Created: 2023-11-14 22:13:20 UTC\n"
                    "Attachment: 3 bytes\n");
    std::string revealed = item;
    revealed.replace(revealed.find("**********"), 10, "open sesame");
    EXPECT_EQ(Run({"show", path, "Work\\/Home/Bank/Key", "--reveal"}).out, revealed);
}
