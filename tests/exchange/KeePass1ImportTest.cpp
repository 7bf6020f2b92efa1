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

void ExpectItem(const Item& item, ItemType type, std::string_view name, std::string_view value, bool hidden) {
    EXPECT_EQ(item.Type(), type);
    EXPECT_EQ(item.Name(), name);
    EXPECT_EQ(item.Value(), Ansi(value));
    EXPECT_EQ(item.Hidden(), hidden);
    EXPECT_NE(item.Image(), -1);
}

TEST_F(KeePass1ImportTest, ReadsEntriesIntoGroupsByTheirGroupText) {
    const auto database = KeePass1Import().importFrom(DataPath("KeePass1Export.xml"));
    ASSERT_NE(database, nullptr);
    EXPECT_EQ(database->Name(), "Imported KeePass 1.X Database");
    EXPECT_EQ(database->Comment(), "Database imported from KeePass ver. 1.X XML");
    // Groups in order of first use; a group text differing only in case makes a group of its own.
    ASSERT_EQ(database->Count(), 4u);
    EXPECT_EQ(database->At(0)->Name(), "Internet");
    EXPECT_EQ(database->At(1)->Name(), Ansi("\xC3\x84rger & Co"));
    EXPECT_EQ(database->At(2)->Name(), "Default Group");
    EXPECT_EQ(database->At(3)->Name(), "internet");

    const Group& internet = *database->At(0);
    ASSERT_EQ(internet.Count(), 2u) << "title and notes alone make no passcard";
    const Passcard& webmail = *internet.At(0);
    EXPECT_EQ(webmail.Name(), "Webmail");
    EXPECT_EQ(webmail.Comment(), "First line\n\tsecond line, indented  ");
    ASSERT_EQ(webmail.Count(), 3u);
    ExpectItem(*webmail.At(0), ItemType::Password, "Password", "s3cr<e>t \"&\" '\xC3\xBC'", true);
    ExpectItem(*webmail.At(1), ItemType::Login, "Login", "me@example.org", false);
    ExpectItem(*webmail.At(2), ItemType::Url, "URL", "https://mail.example.org/?a=1&b=2", false);
    EXPECT_EQ(internet.At(1)->Name(), "Second in Internet");
    ASSERT_EQ(internet.At(1)->Count(), 1u);
    EXPECT_EQ(internet.At(1)->At(0)->Value(), "  padded  ");

    const Passcard& urlOnly = *database->At(1)->At(0);
    ASSERT_EQ(urlOnly.Count(), 1u);
    ExpectItem(*urlOnly.At(0), ItemType::Url, "URL", "https://example.org/", false);

    EXPECT_EQ(database->At(2)->At(0)->Name(), "No group");
    EXPECT_EQ(database->At(3)->At(0)->Name(), "Passcard") << "an entry without title";
    EXPECT_EQ(database->At(3)->At(0)->Count(), 2u);
}

TEST_F(KeePass1ImportTest, OtherFilesFailAndAListWithoutUsableEntriesIsEmpty) {
    KeePass1Import import;
    EXPECT_EQ(import.importFromText("<pwentries><pwentry><password>x</password></pwentry></pwentries>"), nullptr);
    EXPECT_EQ(import.importFromText("<pwlist><pwentry>"), nullptr);
    EXPECT_EQ(import.importFromText("<pwlist><pwentry><password>\x80</password></pwentry></pwlist>"), nullptr);
    EXPECT_EQ(import.importFrom(DataPath("no such export.xml")), nullptr);
    const auto empty = import.importFromText("<pwlist><pwentry><title>t</title><notes>n</notes></pwentry></pwlist>");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->Count(), 0u);
}

} // namespace
