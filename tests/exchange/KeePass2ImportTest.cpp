#include "exchange/KeePass2Import.h"

#include "core/Database.h"
#include "tests/exchange/ExchangeTestSupport.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

using KeePass2ImportTest = ModelFixture;

std::string File(std::string_view generator, std::string_view rootContent) {
    return "<KeePassFile><Meta><Generator>" + std::string(generator) +
           "</Generator></Meta><Root><Group><Name>Root</Name>" + std::string(rootContent) +
           "</Group></Root></KeePassFile>";
}

std::string Entry(std::string_view key, std::string_view value) {
    return "<Entry><String><Key>" + std::string(key) + "</Key><Value>" + std::string(value) +
           "</Value></String></Entry>";
}

TEST_F(KeePass2ImportTest, FlattensGroupsInPreOrderAndFilesEntriesAsTypedItemsByName) {
    const auto database = KeePass2Import().importFrom(DataPath("KeePass2Export.xml"));
    ASSERT_NE(database, nullptr);
    // Entry strings become typed items in file order, keys compared ignoring case; both "Mail" groups'
    // entries land in the first one; the history's older values are not read.
    EXPECT_EQ(Outline(*database),
              "General\n"
              "  Webmail: Login/1=me@example.org|Password/0=p<&>\"'\xC3\x9F|URL/2=https://mail.example.org/|\n"
              "  Typed keys: IP/9=192.0.2.1|Mail/5=admin@example.org|Phone/7=+1 555 0100|Serial/6=ABCD-1234|"
              "Host/8=server.example.org|Login/1=lower-case key|Custom Code/10=1234|"
              "notes/10=lower-case notes stay an item|TITLE/10=upper-case title stays an item|Blank/10=   |\n"
              "Level 1\n"
              "Level 2\n"
              "Level 3\n"
              "  Deep: Password/0=deep|\n"
              "Mail\n"
              "  Nested mail: Login/1=nested|\n"
              "  : Login/1=top|\n"
              "Mail\n");
    EXPECT_EQ(database->At(1)->Comment(), "First level");
    EXPECT_EQ(database->At(5)->Comment(), "Second group of that name");
    const Passcard& webmail = *database->At(0)->At(0);
    EXPECT_EQ(webmail.Comment(), "  Leading blanks,\n\ta tab, trailing blanks  ");
    EXPECT_TRUE(webmail.At(1)->Hidden());
    EXPECT_EQ(database->At(0)->At(1)->At(6)->Image(), 3) << "custom items get the custom image";
}

TEST_F(KeePass2ImportTest, RootWithoutEntriesHasNoGeneralGroupAndAnEmptyRootNoGroups) {
    KeePass2Import import;
    const auto groupsOnly = import.importFromText(File("KeePass", "<Group><Name>Only</Name></Group>"));
    ASSERT_NE(groupsOnly, nullptr);
    ASSERT_EQ(groupsOnly->Count(), 1u);
    EXPECT_EQ(groupsOnly->At(0)->Name(), "Only");

    const auto empty = import.importFromText(File("KeePass", ""));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->Count(), 0u);
}

// The generator must be exactly "KeePass"; a failed import after a good one hands nothing over.
TEST_F(KeePass2ImportTest, FilesWithoutTheExpectedFrameFail) {
    KeePass2Import import;
    const std::string entry = Entry("UserName", "u");
    EXPECT_NE(import.importFromText(File("KeePass", entry)), nullptr);
    std::string deep = "<Group><Name>n</Name>";
    std::string close = "</Group>";
    for (int i = 0; i < 200; ++i) {
        deep = deep + "<Group><Name>n</Name>";
        close += "</Group>";
    }
    const std::string broken[] = {
        File("KeePass 2.57", entry),
        "<KeePassFile><Meta><Generator>KeePass</Generator></Meta></KeePassFile>",
        "<KeePassFile><Root><Group/></Root></KeePassFile>",
        "<KeePassFile><Meta><Generator>KeePass</Generator></Meta><Root/></KeePassFile>",
        "<Keepassfile/>",
        "<pwlist/>",
        File("KeePass", deep + close),
    };
    for (const std::string& text : broken) {
        EXPECT_EQ(import.importFromText(text), nullptr) << text.substr(0, 80);
    }
}

} // namespace
