#include "cli/ItemTypeNames.h"

#include "core/Item.h"
#include "tests/cli/UsageError.h"

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(ItemTypeNamesTest, EveryPickableTypeOfTheProgramHasANameAndNoOtherIsAccepted) {
    for (const ItemTypeChoice* choice = kPickableItemTypes; choice->type != -1; ++choice) {
        const auto type = static_cast<ItemType>(choice->type);
        // The label is the type's default item name, so the name given with --type finds it again.
        Item item;
        item.ApplyTypeDefaults(type);
        if (type != ItemType::Custom) {
            EXPECT_EQ(ItemTypeNames::Label(type), item.Name().Viewed());
        }
        EXPECT_EQ(ItemTypeNames::Pickable(ItemTypeNames::Label(type)), type);
    }
    EXPECT_EQ(ItemTypeNames::Pickable("CARD_number"), ItemType::CardNumber);
    EXPECT_EQ(ItemTypeNames::PickableList(),
              "custom, password, login, url, location, mail, host, ip, card-number, serial, phone, key-passphrase");
    // The types that come only from imports are refused through add (CliApplicationTest).
    EXPECT_EQ(test::UsageErrorOf([] {
                  ItemTypeNames::Pickable("passwort");
              }).rfind("unknown item type \"passwort\"; --type takes custom, ", 0),
              0u);
    EXPECT_EQ(ItemTypeNames::Label(ItemType::File), "File");
    EXPECT_EQ(ItemTypeNames::Label(static_cast<ItemType>(99)), "Type 99");
}
