#include "exchange/KeePass2Import.h"

#include "core/Database.h"
#include "core/TextConversion.h"
#include "tests/exchange/ExchangeTestSupport.h"
#include "tests/exchange/KeePassXcExpectations.h"
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
    EXPECT_EQ(database->Name(), Ansi("\xC3\x9Cn\xC3\xAF"
                                     "code <Vault>"));
    EXPECT_EQ(database->Comment(), "Hand-written export\nwith two lines");
    std::string names;
    for (const auto& group : database->Children()) {
        names += std::string(group->Name().Viewed()) + "|";
    }
    EXPECT_EQ(names, "General|Level 1|Level 2|Level 3|Mail|Mail|");
    EXPECT_EQ(database->At(1)->Comment(), "First level");
    EXPECT_EQ(database->At(5)->Comment(), "Second group of that name");
    // Both "Mail" groups' entries land in the first one.
    ASSERT_EQ(database->At(4)->Count(), 2u);
    EXPECT_EQ(database->At(4)->At(0)->Name(), "Nested mail");
    EXPECT_EQ(database->At(4)->At(1)->Name(), "");
    EXPECT_EQ(database->At(5)->Count(), 0u);
    ASSERT_EQ(database->At(3)->Count(), 1u);
    EXPECT_EQ(database->At(3)->At(0)->Name(), "Deep");
    EXPECT_EQ(database->At(1)->Count(), 0u);
    EXPECT_EQ(database->At(2)->Count(), 0u);

    // Entry strings become typed items in file order.
    const Group& general = *database->At(0);
    ASSERT_EQ(general.Count(), 2u);

    const Passcard& webmail = *general.At(0);
    EXPECT_EQ(webmail.Name(), "Webmail");
    EXPECT_EQ(webmail.Comment(), "  Leading blanks,\n\ta tab, trailing blanks  ");
    EXPECT_EQ(DescribeItems(webmail),
              Ansi("Login/1=me@example.org|Password/0=p<&>\"'\xC3\x9F|URL/2=https://mail.example.org/|"))
        << "the history's older values are not read";
    EXPECT_TRUE(webmail.At(1)->Hidden());

    const Passcard& typed = *general.At(1);
    EXPECT_EQ(typed.Name(), "Typed keys");
    EXPECT_EQ(typed.Comment(), "");
    EXPECT_EQ(DescribeItems(typed), "IP/9=192.0.2.1|Mail/5=admin@example.org|Phone/7=+1 555 0100|Serial/6=ABCD-1234|"
                                    "Host/8=server.example.org|Login/1=lower-case key|Custom Code/10=1234|"
                                    "notes/10=lower-case notes stay an item|"
                                    "TITLE/10=upper-case title stays an item|Blank/10=   |");
    EXPECT_EQ(typed.At(6)->Image(), 3) << "custom items get the custom image";
}

TEST_F(KeePass2ImportTest, GeneratorMustBeExactlyKeePass) {
    KeePass2Import import;
    const std::string entry = Entry("UserName", "u");
    EXPECT_NE(import.importFromText(File("KeePass", entry)), nullptr);
    EXPECT_EQ(import.importFromText(File("keepass", entry)), nullptr);
    EXPECT_EQ(import.importFromText(File("KeePass 2.57", entry)), nullptr);
    EXPECT_EQ(import.importFromText(File("KeePassXC", entry)), nullptr);
    EXPECT_EQ(import.importFromText(File(" KeePass", entry)), nullptr);
    EXPECT_EQ(import.importFromText(File("", entry)), nullptr);
}

TEST_F(KeePass2ImportTest, RootWithoutEntriesHasNoGeneralGroupAndAnEmptyRootNoGroups) {
    KeePass2Import import;
    const auto groupsOnly = import.importFromText(File("KeePass", "<Group><Name>Only</Name></Group>"));
    ASSERT_NE(groupsOnly, nullptr);
    ASSERT_EQ(groupsOnly->Count(), 1u);
    EXPECT_EQ(groupsOnly->At(0)->Name(), "Only");
    EXPECT_EQ(groupsOnly->Name(), "Imported KeePass 2.X Database");

    const auto empty = import.importFromText(File("KeePass", ""));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->Count(), 0u);

    // Entries whose strings all lack a key or a value still make (empty) passcards.
    const auto bare = import.importFromText(File("KeePass", Entry("Password", "") + Entry("", "v")));
    ASSERT_NE(bare, nullptr);
    ASSERT_EQ(bare->Count(), 1u);
    EXPECT_EQ(bare->At(0)->Count(), 2u);
    EXPECT_EQ(bare->ItemCount(), 0u);
}

TEST_F(KeePass2ImportTest, FilesWithoutTheExpectedFrameFail) {
    KeePass2Import import;
    EXPECT_EQ(import.importFromText("<KeePassFile><Meta><Generator>KeePass</Generator></Meta></KeePassFile>"), nullptr);
    EXPECT_EQ(import.importFromText("<KeePassFile><Root><Group/></Root></KeePassFile>"), nullptr);
    EXPECT_EQ(import.importFromText("<KeePassFile><Meta><Generator>KeePass</Generator></Meta><Root/></KeePassFile>"),
              nullptr)
        << "a root without a group";
    EXPECT_EQ(import.importFromText("<Keepassfile/>"), nullptr);
    EXPECT_EQ(import.importFromText("<pwlist/>"), nullptr);
    std::string deep = "<Group><Name>n</Name>";
    std::string close = "</Group>";
    for (int i = 0; i < 200; ++i) {
        deep = deep + "<Group><Name>n</Name>";
        close += "</Group>";
    }
    EXPECT_EQ(import.importFromText(File("KeePass", deep + close)), nullptr) << "nesting beyond the parser's limit";
    // A failed import after a good one hands nothing over.
    EXPECT_NE(import.importFromText(File("KeePass", Entry("URL", "u"))), nullptr);
    EXPECT_EQ(import.importFromText(File("KeePassXC", Entry("URL", "u"))), nullptr);
}

TEST_F(KeePass2ImportTest, RealKeePassXcExportSavedAsFixture) {
    // An export made by keepassxc-cli, with its generator set to "KeePass" as KeePass 2 writes it.
    KeePass2Import import;
    const auto database = import.importFrom(DataPath("KeePassXcExportPatched.xml"));
    if (!IsExactInAnsi(u"\u65E5\u672C")) {
        // Windows with a Western code page cannot keep the Japanese title: the file is refused.
        EXPECT_EQ(database, nullptr);
        EXPECT_EQ(import.lastFailure(), ImportFailure::TextNotExact);
        return;
    }
    ASSERT_NE(database, nullptr);
    ExpectKeePassXcDatabase(*database);
}

} // namespace
