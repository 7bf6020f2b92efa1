#include "shell/NewLogin.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

TEST(NewLoginTest, MakesTheThreeFieldsWithTheirTypesDefaultsAndTheNote) {
    new_login::Fields fields;
    fields.name = "Bank";
    fields.login = "anna";
    fields.password = SecureString("s3cret");
    fields.url = "https://bank.example";
    fields.note = "PIN at the desk\nsecond line";
    const auto passcard = new_login::Build(fields, "New Passcard");
    EXPECT_EQ(passcard->Name(), "Bank");
    EXPECT_EQ(passcard->Comment(), "PIN at the desk\nsecond line");
    ASSERT_EQ(passcard->Count(), 3u);
    const struct {
        ItemType type;
        const char* name;
        int image;
        bool hidden;
        const char* value;
    } expected[] = {
        {ItemType::Login, "Login", 2, false, "anna"},
        {ItemType::Password, "Password", 1, true, "s3cret"},
        {ItemType::Url, "URL", 4, false, "https://bank.example"},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const Item& item = *passcard->At(i);
        EXPECT_EQ(item.Type(), expected[i].type) << i;
        EXPECT_EQ(item.Name(), expected[i].name) << i;
        EXPECT_EQ(item.Image(), expected[i].image) << i;
        EXPECT_EQ(item.Hidden(), expected[i].hidden) << i;
        EXPECT_EQ(item.Value(), expected[i].value) << i;
        EXPECT_EQ(item.Parent(), passcard.get()) << i;
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
        {"bank.example", "bank.example"},
        {"  shop.example/cart ", "shop.example"},
        {"http://anna:pw@mail.example:8080/inbox", "mail.example"},
        {"ftp://files.example#top", "files.example"},
        {"mailto:anna@mail.example", "mail.example"},
        {"https://[::1]:8443/", "[::1]"},
        {"https://[::1]/", "[::1]"},
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
