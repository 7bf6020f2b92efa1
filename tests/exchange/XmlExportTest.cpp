#include "exchange/XmlExport.h"

#include "core/Database.h"
#include "core/ModifiedFlag.h"
#include "core/TextConversion.h"
#include "tests/exchange/ExchangeTestSupport.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

class XmlExportTest : public ModelFixture {
protected:
    // Parses what the export writes for the node.
    void Export(const ModelNode* node) {
        ASSERT_TRUE(XmlExport().exportTo(m_file, *m_database, node));
        ASSERT_EQ(m_document.LoadFile(m_file.c_str()), tinyxml2::XML_SUCCESS);
        m_groups =
            m_document.FirstChildElement("Cofferbook")->FirstChildElement("Database")->FirstChildElement("Groups");
    }

    TempDir m_dir;
    std::string m_file = m_dir.File("export.xml");
    std::unique_ptr<Database> m_database = MakeRichDatabase();
    tinyxml2::XMLDocument m_document;
    const tinyxml2::XMLElement* m_groups = nullptr;
};

std::unique_ptr<Database> MakeSmallDatabase() {
    auto database = std::make_unique<Database>();
    database->SetName(Utf8ToAnsi("Home \xC3\xA9"));
    Group& web = AddGroup(*database, "Web", "Sites & <stuff>");
    Passcard& mail = AddPasscard(web, "Mail", "line1\r\nline2");
    mail.SetBookmark(true);
    AddItem(mail, ItemType::Login, "Login", "me");
    AddItem(mail, ItemType::Password, "Password", "  s3cr\"t  ").SetMeta("old one");
    AddItem(mail, ItemType::Custom, "Space", " \t");
    Passcard& empty = AddPasscard(web, "Empty");
    empty.SetUseAutofill(true);
    empty.SetAutofillString("{USER}");
    empty.SetExpiration(0x0123456789ABCDEFull);
    AddGroup(*database, "Blank");
    return database;
}

TEST_F(XmlExportTest, WritesTheExpectedFileForASmallDatabase) {
    const auto database = MakeSmallDatabase();
    ModifiedFlag::Clear();
    ASSERT_TRUE(XmlExport().exportTo(m_file, *database, nullptr));
    EXPECT_EQ(ReadFileBytes(m_file), ReadFileBytes(DataPath("XmlExportSmallDatabase.xml")));
    EXPECT_FALSE(ModifiedFlag::IsRaised()) << "an export changes nothing to save";
    // The database node itself selects the same as no node; an unsaved change stays unsaved.
    ModifiedFlag::Raise();
    ASSERT_TRUE(XmlExport().exportTo(m_file, *database, database.get()));
    EXPECT_EQ(ReadFileBytes(m_file), ReadFileBytes(DataPath("XmlExportSmallDatabase.xml")));
    EXPECT_TRUE(ModifiedFlag::IsRaised());
}

TEST_F(XmlExportTest, NodeSelectsGroupPasscardOrItemWithTheirShells) {
    Group& mail = *m_database->At(0);
    Passcard& web = *mail.At(0);
    const Item& url = *web.At(2);
    AddPasscard(mail, "Second card");

    Export(&mail);
    EXPECT_EQ(ChildNames(m_groups), "Group");
    EXPECT_EQ(ChildNames(m_groups->FirstChildElement("Group")->FirstChildElement("Passcards")), "Passcard Passcard");

    Export(&web);
    const auto* group = m_groups->FirstChildElement("Group");
    EXPECT_EQ(ChildNames(m_groups), "Group");
    EXPECT_STREQ(group->FirstChildElement("Name")->GetText(), "Mail");
    EXPECT_EQ(ChildNames(group->FirstChildElement("Passcards")), "Passcard");
    EXPECT_EQ(
        ChildNames(group->FirstChildElement("Passcards")->FirstChildElement("Passcard")->FirstChildElement("Items")),
        "Item Item Item Item Item Item Item Item");

    Export(&url);
    group = m_groups->FirstChildElement("Group");
    EXPECT_EQ(ChildNames(m_groups), "Group");
    // The shells are written as for the whole database (the expected file above); they hold this item only.
    const auto* passcard = group->FirstChildElement("Passcards")->FirstChildElement("Passcard");
    EXPECT_EQ(ChildNames(group->FirstChildElement("Passcards")), "Passcard");
    EXPECT_EQ(ChildNames(passcard->FirstChildElement("Items")), "Item");
    EXPECT_STREQ(passcard->FirstChildElement("Items")->FirstChildElement("Item")->FirstChildElement("Data")->GetText(),
                 "https://mail.example.org/?a=1&b=2");
}

} // namespace
