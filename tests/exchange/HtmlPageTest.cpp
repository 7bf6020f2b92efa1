#include "exchange/HtmlPage.h"

#include "core/Database.h"
#include "core/TextConversion.h"
#include "tests/exchange/ExchangeTestSupport.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <string>
#include <utility>
#include <vector>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

constexpr std::string_view kStyle = "body { color: #555555 }";

class HtmlPageTest : public ModelFixture {
protected:
    HtmlPageTest() {
        m_database.SetName(Utf8ToAnsi("Caf\xC3\xA9 <Vault>"));
        Group& mail = AddGroup(m_database, "Mail", "");
        Passcard& web = AddPasscard(mail, "Web", "remember & smile");
        AddItem(web, ItemType::Login, "Login", "me");
        AddItem(web, ItemType::Password, "Password", "h\xC3\xAF<dden>");
        AddItem(web, ItemType::Url, "URL", "https://example.org/?a=1&b=2");
        AddItem(web, ItemType::Mail, "Mail", "me@example.org");
        AddItem(web, ItemType::Custom, "Empty", "");
        AddPasscard(mail, "No items");
        AddGroup(m_database, "Bank", " ");
    }

    // Parses the page (it is well-formed XML) and returns the "database" division.
    const tinyxml2::XMLElement* Parse(const ModelNode* node, HtmlPageVariant variant = HtmlPageVariant::File,
                                      std::string_view style = kStyle) {
        m_page = std::string(HtmlPage::Build(m_database, node, variant, style).Viewed());
        EXPECT_EQ(m_document.Parse(m_page.c_str()), tinyxml2::XML_SUCCESS) << m_page;
        const auto* html = m_document.RootElement();
        return html == nullptr ? nullptr
                               : html->FirstChildElement("body")->FirstChildElement("div")->FirstChildElement("div");
    }

    Database m_database;
    std::string m_page;
    tinyxml2::XMLDocument m_document{true, tinyxml2::PRESERVE_WHITESPACE};
};

// The page of the whole database byte for byte: the head, a block for each group and passcard, the
// items as a list with links for web and mail addresses, and empty comments left out. The page to
// print differs only in the declared content type.
TEST_F(HtmlPageTest, WholeDatabasePageIsTheExpectedFile) {
    const std::string file = ReadFileBytes(DataPath("HtmlPageSmallDatabase.html"));
    EXPECT_EQ(HtmlPage::Build(m_database, nullptr, HtmlPageVariant::File, kStyle).Viewed(), file);
    std::string print(HtmlPage::Build(m_database, nullptr, HtmlPageVariant::Print, kStyle).Viewed());
    const std::string printType = "content=\"text/html;\"";
    const std::size_t at = print.find(printType);
    ASSERT_NE(at, std::string::npos);
    print.replace(at, printType.size(), "content=\"text/html; charset=utf-8\"");
    EXPECT_EQ(print, file);
}

TEST_F(HtmlPageTest, OnlyWebAndFileTransferAddressesBecomeLinks) {
    Passcard& urls = AddPasscard(*m_database.At(1), "Addresses");
    const std::vector<std::pair<std::string, bool>> values = {
        {"HTTP://example.org/", true},      {"ftp://files.example.org/", true}, {"javascript:alert(1)", false},
        {"data:text/html,<b>x</b>", false}, {"file:///C:/secret.txt", false},   {"example.org", false},
        {" https://example.org/", false}};
    for (const auto& [value, link] : values) {
        AddItem(urls, ItemType::Url, "URL", value);
    }
    const auto* list = Parse(&urls)->FirstChildElement("div")->FirstChildElement("div")->FirstChildElement("dl");
    ASSERT_NE(list, nullptr);
    const auto* dd = list->FirstChildElement("dd");
    for (const auto& [value, link] : values) {
        SCOPED_TRACE(value);
        ASSERT_NE(dd, nullptr);
        const auto* anchor = dd->FirstChildElement("a");
        EXPECT_EQ(anchor != nullptr, link);
        EXPECT_STREQ(anchor != nullptr ? anchor->Attribute("href") : dd->GetText(), value.c_str())
            << "the text is shown either way";
        dd = dd->NextSiblingElement("dd");
    }
}

TEST_F(HtmlPageTest, LineBreaksShowAsBreaks) {
    Passcard& web = *m_database.At(0)->At(0);
    web.SetComment("first\r\nsecond\nthird\r\r\n");
    AddItem(web, ItemType::Custom, "Two lines", "one\ntwo");
    m_database.SetComment("the database\nitself");
    Parse(nullptr);
    EXPECT_NE(m_page.find("<p>the database<br/>itself</p>"), std::string::npos) << m_page;
    EXPECT_NE(m_page.find("<p>first<br/>second<br/>third<br/><br/></p>"), std::string::npos) << m_page;
    EXPECT_NE(m_page.find("<dd>one<br/>two</dd>"), std::string::npos);
}

TEST_F(HtmlPageTest, NodeSelectsGroupPasscardOrItemInsideTheirShells) {
    Group& mail = *m_database.At(0);
    Passcard& web = *mail.At(0);
    const auto* database = Parse(&mail);
    EXPECT_EQ(ChildNames(database), "h1 div");
    EXPECT_EQ(ChildNames(database->FirstChildElement("div")), "h2 div div");

    const auto* group = Parse(&web)->FirstChildElement("div");
    EXPECT_EQ(ChildNames(group), "h2 div") << "the group without its other passcards";
    EXPECT_EQ(ChildNames(group->FirstChildElement("div")->FirstChildElement("dl")), "dt dd dt dd dt dd dt dd dt dd");

    const auto* passcard = Parse(web.At(3))->FirstChildElement("div")->FirstChildElement("div");
    EXPECT_EQ(ChildNames(passcard), "h3 p dl");
    EXPECT_EQ(ChildNames(passcard->FirstChildElement("dl")), "dt dd");
    EXPECT_STREQ(passcard->FirstChildElement("dl")->FirstChildElement("dt")->GetText(), "Mail:");
}

} // namespace
