#include "shell/NewLogin.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

// Each field gets its type's defaults (name, image, hidden flag), which are the item's own rules.
TEST(NewLoginTest, MakesTheThreeFieldsWithTheirTypesAndTheNote) {
    new_login::Fields fields;
    fields.name = "Bank";
    fields.login = "anna";
    fields.password = SecureString("s3cret");
    fields.url = "https://bank.example";
    fields.note = "PIN at the desk\nsecond line";
    const auto passcard = new_login::Build(fields, "New Passcard");
    EXPECT_EQ(passcard->Name(), "Bank");
    EXPECT_EQ(passcard->Comment(), "PIN at the desk\nsecond line");
    const std::pair<ItemType, const char*> expected[] = {
        {ItemType::Login, "anna"}, {ItemType::Password, "s3cret"}, {ItemType::Url, "https://bank.example"}};
    ASSERT_EQ(passcard->Count(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(passcard->At(i)->Type(), expected[i].first) << i;
        EXPECT_EQ(passcard->At(i)->Hidden(), expected[i].first == ItemType::Password) << i;
        EXPECT_EQ(passcard->At(i)->Value(), expected[i].second) << i;
    }
}

TEST(NewLoginTest, AnEmptyNameComesFromTheAddressOrTheFallback) {
    const auto nameOf = [](const char* name, const char* url) {
        new_login::Fields fields;
        fields.name = name;
        fields.url = url;
        const auto passcard = new_login::Build(fields, "New Passcard");
        EXPECT_EQ(passcard->Count(), 3u) << "empty fields are made too";
        return std::string(passcard->Name().Viewed());
    };
    EXPECT_EQ(nameOf("My bank", "https://www.bank.example/login"), "My bank");
    EXPECT_EQ(nameOf("", "https://www.bank.example/login"), "bank.example");
    EXPECT_EQ(nameOf("", ""), "New Passcard");
    EXPECT_EQ(nameOf("", "   "), "New Passcard");
}

TEST(NewLoginTest, HostOfAnAddress) {
    const std::pair<const char*, const char*> cases[] = {
        {"https://www.bank.example/login?next=/", "bank.example"},
        {"  shop.example/cart ", "shop.example"},
        {"http://anna:pw@mail.example:8080/inbox", "mail.example"},
        {"ftp://files.example#top", "files.example"},
        {"mailto:anna@mail.example", "mail.example"},
        {"https://[::1]:8443/", "[::1]"},
        {"www.", "www."},
        {"https://", ""},
        {"", ""},
    };
    for (const auto& [address, host] : cases) {
        EXPECT_EQ(new_login::HostOf(address), host) << address;
    }
}

} // namespace
} // namespace vaultlet
