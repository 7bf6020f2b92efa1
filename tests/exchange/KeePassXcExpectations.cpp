#include "tests/exchange/KeePassXcExpectations.h"

#include "tests/exchange/ExchangeTestSupport.h"

#include <gtest/gtest.h>

namespace vaultlet::test {
namespace {

// Expects the passcard to hold exactly these items (name, type, value), in any order: KeePassXC
// chooses the order of an entry's strings itself.
void ExpectItems(const Passcard& passcard,
                 std::initializer_list<std::tuple<std::string_view, ItemType, std::string_view>> items) {
    SCOPED_TRACE(std::string(passcard.Name().Viewed()));
    EXPECT_EQ(passcard.Count(), items.size()) << DescribeItems(passcard);
    for (const auto& [name, type, value] : items) {
        const Item* item = passcard.FindByName(Ansi(name));
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->Type(), type) << name;
        EXPECT_EQ(item->Value(), Ansi(value)) << name;
        EXPECT_EQ(item->Hidden(), type == ItemType::Password) << name;
    }
}

const Passcard& PasscardNamed(const Group& group, std::string_view name) {
    const Passcard* passcard = group.FindByName(Ansi(name));
    EXPECT_NE(passcard, nullptr) << name;
    static const Passcard missing;
    return passcard != nullptr ? *passcard : missing;
}

} // namespace

void ExpectKeePassXcDatabase(const Database& database) {
    EXPECT_EQ(database.Name(), Ansi("\xC3\x9Cn\xC3\xAF"
                                    "code <Vault> & Co"));
    EXPECT_EQ(database.Comment(), "Made by keepassxc-cli\nfor the import test");
    ASSERT_EQ(database.Count(), 6u);
    const char* groupNames[] = {"General", "Level 1", "Level 2", "Level 3", "Mail", "Mail"};
    const std::size_t passcardCounts[] = {2, 1, 0, 1, 2, 0};
    for (std::size_t i = 0; i < database.Count(); ++i) {
        EXPECT_EQ(database.At(i)->Name(), groupNames[i]) << i;
        EXPECT_EQ(database.At(i)->Count(), passcardCounts[i]) << groupNames[i];
    }
    using T = ItemType;

    const Group& general = *database.At(0);
    const Passcard& custom = PasscardNamed(general, "Custom keys");
    EXPECT_EQ(custom.Comment(), "");
    ExpectItems(custom, {{"Custom Code", T::Custom, "1234"},
                         {"PIN", T::Custom, " 0042 "},
                         {"Mail", T::Mail, "a@example.org"},
                         {"notes", T::Custom, "lower-case notes"},
                         {"TITLE", T::Custom, "upper-case title"}});
    ExpectItems(PasscardNamed(general, "Root entry"), {{"Login", T::Login, "root-user"},
                                                       {"Password", T::Password, "root-pw"},
                                                       {"URL", T::Url, "https://root.example.org/"}});

    ExpectItems(PasscardNamed(*database.At(1), kSpecialTitle),
                {{"Login", T::Login, kSpecialUser}, {"Password", T::Password, kSpecialPassword}});

    const Passcard& deep = PasscardNamed(*database.At(3), "Deep entry");
    EXPECT_EQ(deep.Comment(), "line one\nline two\twith a tab  ");
    ExpectItems(deep, {{"Login", T::Login, "deep"}, {"Password", T::Password, "deep-pw"}});

    // Both "Mail" groups' entries go to the first group of that name.
    const Group& mail = *database.At(4);
    ExpectItems(PasscardNamed(mail, "Secondary mail"), {{"Login", T::Login, "secondary"}});
    ExpectItems(PasscardNamed(mail, "Primary mail"), {{"Login", T::Login, "primary"},
                                                      {"Password", T::Password, "second password"},
                                                      {"URL", T::Url, "https://mail.example.org/"}});

    EXPECT_EQ(database.PasscardCount(), 6u);
    EXPECT_EQ(database.ItemCount(), 16u);
}

} // namespace vaultlet::test
