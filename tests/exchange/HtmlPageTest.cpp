#include "exchange/HtmlPage.h"

#include "core/Database.h"
#include "tests/exchange/ExchangeTestSupport.h"
#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <string>
#include <utility>
#include <vector>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

constexpr std::string_view kStyle = "body { color: #555555 }\r\n";

class HtmlPageTest : public ModelFixture {
protected:
    HtmlPageTest() {
        m_database.SetName(Ansi("Caf\xC3\xA9 <Vault>"));
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

TEST_F(HtmlPageTest, WholeDatabasePageHasHeadBlocksAndItems) {
    const auto* database = Parse(nullptr);
    ASSERT_NE(database, nullptr);
    EXPECT_TRUE(m_page.starts_with("<html>\n\t<head>\n\t\t<meta ")) << "no declarations, tab indents";
    const auto* head = m_document.RootElement()->FirstChildElement("head");
    EXPECT_EQ(ChildNames(head), "meta title style");
    EXPECT_STREQ(head->FirstChildElement("meta")->Attribute("http-equiv"), "content-type");
    EXPECT_STREQ(head->FirstChildElement("meta")->Attribute("content"), "text/html; charset=utf-8");
    EXPECT_STREQ(head->FirstChildElement("title")->GetText(), "Caf\xC3\xA9 <Vault>");
    EXPECT_STREQ(head->FirstChildElement("style")->Attribute("type"), "text/css");
    EXPECT_NE(m_page.find("<style type=\"text/css\">" + std::string(kStyle) + "</style>"), std::string::npos)
        << "the stylesheet's bytes as they are";
    EXPECT_STREQ(m_document.RootElement()->FirstChildElement("body")->FirstChildElement("div")->Attribute("class"),
                 "main");

    EXPECT_STREQ(database->Attribute("class"), "database");
    EXPECT_EQ(ChildNames(database), "h1 div div") << "no p for an empty database comment";
    EXPECT_STREQ(database->FirstChildElement("h1")->GetText(), "Caf\xC3\xA9 <Vault>");
    const auto* mail = database->FirstChildElement("div");
    EXPECT_STREQ(mail->Attribute("class"), "group");
    EXPECT_STREQ(mail->FirstChildElement("h2")->GetText(), "Group: Mail");
    EXPECT_EQ(ChildNames(mail), "h2 div div");
    const auto* bank = mail->NextSiblingElement("div");
    EXPECT_EQ(ChildNames(bank), "h2 p");
    EXPECT_NE(m_page.find("<p> </p>"), std::string::npos) << "a comment of one blank is written";

    const auto* web = mail->FirstChildElement("div");
    EXPECT_STREQ(web->Attribute("class"), "passcard");
    EXPECT_EQ(ChildNames(web), "h3 p dl");
    EXPECT_STREQ(web->FirstChildElement("p")->GetText(), "remember & smile");
    const auto* list = web->FirstChildElement("dl");
    EXPECT_EQ(ChildNames(list), "dt dd dt dd dt dd dt dd dt dd");
    const auto* dt = list->FirstChildElement("dt");
    EXPECT_STREQ(dt->GetText(), "Login:");
    EXPECT_STREQ(dt->NextSiblingElement("dd")->GetText(), "me");
    dt = dt->NextSiblingElement("dt");
    EXPECT_STREQ(dt->NextSiblingElement("dd")->GetText(), "h\xC3\xAF<dden>") << "hidden values in clear";
    dt = dt->NextSiblingElement("dt");
    const auto* link = dt->NextSiblingElement("dd")->FirstChildElement("a");
    ASSERT_NE(link, nullptr);
    EXPECT_STREQ(link->Attribute("href"), "https://example.org/?a=1&b=2");
    EXPECT_STREQ(link->GetText(), "https://example.org/?a=1&b=2");
    dt = dt->NextSiblingElement("dt");
    link = dt->NextSiblingElement("dd")->FirstChildElement("a");
    ASSERT_NE(link, nullptr);
    EXPECT_STREQ(link->Attribute("href"), "mailto:me@example.org");
    EXPECT_STREQ(link->GetText(), "me@example.org");

    const auto* noItems = web->NextSiblingElement("div");
    EXPECT_EQ(ChildNames(noItems), "h3 dl");
    EXPECT_TRUE(noItems->FirstChildElement("dl")->FirstChildElement() == nullptr);
}

TEST_F(HtmlPageTest, EmptyElementsAreClosedExplicitlyForHtmlParsers) {
    // An HTML parser reads "<title/>" as an opening tag and takes the rest of the page as the title.
    m_database.SetName("");
    AddItem(*m_database.At(0)->At(0), ItemType::Mail, "No address", "");
    Parse(nullptr, HtmlPageVariant::File, "");
    EXPECT_NE(m_page.find("<title></title>"), std::string::npos);
    EXPECT_NE(m_page.find("<style type=\"text/css\"></style>"), std::string::npos);
    EXPECT_NE(m_page.find("<dl></dl>"), std::string::npos);
    EXPECT_NE(m_page.find("<a href=\"mailto:\"></a>"), std::string::npos);
    EXPECT_NE(m_page.find("<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\"/>"),
              std::string::npos)
        << "meta is a void element";
    std::string rest = m_page.substr(m_page.find("/>") + 2);
    for (std::size_t at = rest.find("<br/>"); at != std::string::npos; at = rest.find("<br/>")) {
        rest.erase(at, 5);
    }
    EXPECT_EQ(rest.find("/>"), std::string::npos) << "only the void meta and br close themselves";
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

TEST_F(HtmlPageTest, LineBreaksShowAsBreaksAndBlankDescriptionsKeepTheirLine) {
    Passcard& web = *m_database.At(0)->At(0);
    web.SetComment("first\r\nsecond\nthird\r\r\n");
    AddItem(web, ItemType::Custom, "Blanks", " \t");
    AddItem(web, ItemType::Custom, "Two lines", "one\ntwo");
    const auto* passcard = Parse(nullptr)->FirstChildElement("div")->FirstChildElement("div");
    EXPECT_NE(m_page.find("<p>first<br/>second<br/>third<br/><br/></p>"), std::string::npos) << m_page;
    // Every description whose text HTML shows as nothing gets a break, and only those.
    std::string breaks;
    for (const auto* dd = passcard->FirstChildElement("dl")->FirstChildElement("dd"); dd != nullptr;
         dd = dd->NextSiblingElement("dd")) {
        const auto* last = dd->LastChild() != nullptr ? dd->LastChild()->ToElement() : nullptr;
        breaks += last != nullptr && std::string_view(last->Name()) == "br" ? "B" : "-";
    }
    EXPECT_EQ(breaks, "----BB-");
    EXPECT_NE(m_page.find("<dd>one<br/>two</dd>"), std::string::npos);
}

TEST_F(HtmlPageTest, NodeSelectsGroupPasscardOrItemInsideTheirShells) {
    Group& mail = *m_database.At(0);
    Passcard& web = *mail.At(0);

    auto database = Parse(&mail);
    EXPECT_EQ(ChildNames(database), "h1 div");
    EXPECT_EQ(ChildNames(database->FirstChildElement("div")), "h2 div div");

    database = Parse(&web);
    EXPECT_EQ(ChildNames(database), "h1 div");
    const auto* group = database->FirstChildElement("div");
    EXPECT_EQ(ChildNames(group), "h2 div") << "the group without its other passcards";
    EXPECT_EQ(ChildNames(group->FirstChildElement("div")->FirstChildElement("dl")), "dt dd dt dd dt dd dt dd dt dd");

    database = Parse(web.At(3));
    group = database->FirstChildElement("div");
    EXPECT_EQ(ChildNames(group), "h2 div");
    const auto* passcard = group->FirstChildElement("div");
    EXPECT_EQ(ChildNames(passcard), "h3 p dl");
    EXPECT_EQ(ChildNames(passcard->FirstChildElement("dl")), "dt dd");
    EXPECT_STREQ(passcard->FirstChildElement("dl")->FirstChildElement("dt")->GetText(), "Mail:");

    Database other;
    EXPECT_TRUE(HtmlPage::Build(m_database, &AddGroup(other, "Foreign"), HtmlPageVariant::File, kStyle).empty());
}

TEST_F(HtmlPageTest, VariantsDifferOnlyInTheDeclaredContentType) {
    const std::string file(HtmlPage::Build(m_database, nullptr, HtmlPageVariant::File, kStyle).Viewed());
    std::string print(HtmlPage::Build(m_database, nullptr, HtmlPageVariant::Print, kStyle).Viewed());
    const std::string printType = "content=\"text/html;\"";
    const std::size_t at = print.find(printType);
    ASSERT_NE(at, std::string::npos);
    print.replace(at, printType.size(), "content=\"text/html; charset=utf-8\"");
    EXPECT_EQ(print, file);
}

} // namespace
