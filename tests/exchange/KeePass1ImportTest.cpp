#include "exchange/KeePass1Import.h"

#include "core/Database.h"
#include "tests/exchange/ExchangeTestSupport.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

using KeePass1ImportTest = ModelFixture;

TEST_F(KeePass1ImportTest, ReadsEntriesIntoGroupsByTheirGroupText) {
    const auto database = KeePass1Import().importFrom(DataPath("KeePass1Export.xml"));
    ASSERT_NE(database, nullptr);
    // Groups in order of first use, a group text differing only in case making a group of its own;
    // title and notes alone make no passcard; an entry without title is "Passcard".
    EXPECT_EQ(Outline(*database), "Internet\n"
                                  "  Webmail: Password/0=s3cr<e>t \"&\" '\xC3\xBC'|Login/1=me@example.org|"
                                  "URL/2=https://mail.example.org/?a=1&b=2|\n"
                                  "  Second in Internet: Password/0=  padded  |\n"
                                  "\xC3\x84rger & Co\n"
                                  "  Only a URL: URL/2=https://example.org/|\n"
                                  "Default Group\n"
                                  "  No group: Login/1=loner|\n"
                                  "internet\n"
                                  "  Passcard: Password/0=pw|Login/1=lower-case group|\n");
    const Passcard& webmail = *database->At(0)->At(0);
    EXPECT_EQ(webmail.Comment(), "First line\n\tsecond line, indented  ");
    for (const auto& item : webmail.Children()) {
        EXPECT_EQ(item->Hidden(), item->Type() == ItemType::Password) << item->Name().Viewed();
    }
}

} // namespace
