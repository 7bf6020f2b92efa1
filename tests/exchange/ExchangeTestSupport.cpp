#include "tests/exchange/ExchangeTestSupport.h"

#include "core/TextConversion.h"

#include <tinyxml2.h>

namespace vaultlet::test {

Group& AddGroup(Database& database, std::string_view name, std::string_view comment) {
    auto group = std::make_unique<Group>(Utf8ToAnsi(name));
    group->SetComment(Utf8ToAnsi(comment));
    Group& added = *group;
    database.Add(std::move(group));
    return added;
}

Passcard& AddPasscard(Group& group, std::string_view name, std::string_view comment) {
    auto passcard = std::make_unique<Passcard>();
    passcard->SetName(Utf8ToAnsi(name));
    passcard->SetComment(Utf8ToAnsi(comment));
    Passcard& added = *passcard;
    group.Add(std::move(passcard));
    return added;
}

Item& AddItem(Passcard& passcard, ItemType type, std::string_view name, std::string_view value) {
    auto item = std::make_unique<Item>();
    item->ApplyTypeDefaults(type);
    item->SetName(Utf8ToAnsi(name));
    item->SetValue(Utf8ToAnsi(value));
    Item& added = *item;
    passcard.Add(std::move(item));
    return added;
}

std::unique_ptr<Database> MakeRichDatabase() {
    auto database = std::make_unique<Database>();
    database->SetName(Utf8ToAnsi("Fam\xC3\xADlia & <Friends>"));
    database->SetComment(Utf8ToAnsi("  two lines\r\nsecond\tline  "));

    Group& mail = AddGroup(*database, "Mail", "");
    Passcard& web = AddPasscard(mail, "Webmail \"primary\"", "Notes with\nLF only\rand lone CR\r\n\r\n");
    web.SetBookmark(true);
    web.SetUseAutofill(true);
    web.SetAutofillString("<Login>{TAB}<Password>{ENTER}");
    web.SetExpiration(0x01D9F1A2B3C4D5E6ull);
    AddItem(web, ItemType::Login, "Login", "  user@example.org ");
    Item& password = AddItem(web, ItemType::Password, "Password", "p<a>&s\"s'w\xC3\xB6rd\t");
    password.SetMeta(Utf8ToAnsi("hint: ]]> not CDATA"));
    AddItem(web, ItemType::Url, "URL", "https://mail.example.org/?a=1&b=2");
    Item& blank = AddItem(web, ItemType::Custom, "Just blanks", "   ");
    blank.SetImage(-1);
    AddItem(web, ItemType::Custom, "Just a line break", "\r\n");
    AddItem(web, ItemType::Custom, "Empty", "");
    Item& odd = AddItem(web, static_cast<ItemType>(13), "Odd type", "x");
    odd.SetImage(2147483647);
    odd.SetHidden(true);
    Item& wrapped = AddItem(web, static_cast<ItemType>(0xFFFFFFF0u), "Wrapped type", "y");
    wrapped.SetImage(-2147483647 - 1);

    Group& empty = AddGroup(*database, "", " ");
    AddPasscard(empty, "", "");
    Passcard& expired = AddPasscard(empty, "Expires", "");
    expired.SetExpiration(0xFFFFFFFFFFFFFFFFull);
    Item& key = AddItem(expired, ItemType::KeyPassphrase, "Key passphrase", "phrase");
    key.SetMeta(Utf8ToAnsi("id_ed25519"));

    AddGroup(*database, "Mail", "same name, second group");
    return database;
}

static SecureString DescribeItems(const Passcard& passcard) {
    SecureString text;
    for (const auto& item : passcard.Children()) {
        text.append(item->Name()).append("/").append(std::to_string(static_cast<unsigned>(item->Type())));
        text.append("=").append(item->Value()).append("|");
    }
    return text;
}

std::string Outline(const Database& database) {
    std::string text;
    for (const auto& group : database.Children()) {
        text.append(AnsiToUtf8(group->Name().Viewed()).Viewed()).append("\n");
        for (const auto& passcard : group->Children()) {
            text.append("  ").append(AnsiToUtf8(passcard->Name().Viewed()).Viewed()).append(": ");
            text.append(AnsiToUtf8(DescribeItems(*passcard).Viewed()).Viewed()).append("\n");
        }
    }
    return text;
}

std::string ChildNames(const tinyxml2::XMLElement* element) {
    std::string names;
    for (auto* child = element->FirstChildElement(); child != nullptr; child = child->NextSiblingElement()) {
        names += names.empty() ? "" : " ";
        names += child->Name();
    }
    return names;
}

} // namespace vaultlet::test
