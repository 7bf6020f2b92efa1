#include "cli/ItemTypeNames.h"

#include "cli/CliFailure.h"
#include "core/Item.h"

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(ItemTypeNamesTest, NamesMatchIgnoringCaseBlanksAndDashes) {
    EXPECT_EQ(ItemTypeNames::Pickable("password"), ItemType::Password);
    EXPECT_EQ(ItemTypeNames::Pickable("Card Number"), ItemType::CardNumber);
    EXPECT_EQ(ItemTypeNames::Pickable("card-number"), ItemType::CardNumber);
    EXPECT_EQ(ItemTypeNames::Pickable("CARD_NUMBER"), ItemType::CardNumber);
    EXPECT_EQ(ItemTypeNames::Pickable("key-passphrase"), ItemType::KeyPassphrase);
    EXPECT_EQ(ItemTypeNames::Pickable("URL"), ItemType::Url);
    EXPECT_EQ(ItemTypeNames::Pickable("custom"), ItemType::Custom);
}

TEST(ItemTypeNamesTest, EveryPickableTypeOfTheProgramHasANameAndNoOtherIsAccepted) {
    int pickable = 0;
    for (const ItemTypeChoice* choice = kPickableItemTypes; choice->type != -1; ++choice, ++pickable) {
        const auto type = static_cast<ItemType>(choice->type);
        // The label is the type's default item name, so the name given with --type finds it again.
        Item item;
        item.ApplyTypeDefaults(type);
        if (type != ItemType::Custom) {
            EXPECT_EQ(ItemTypeNames::Label(type), item.Name().Viewed());
        }
        EXPECT_EQ(ItemTypeNames::Pickable(ItemTypeNames::Label(type)), type);
    }
    EXPECT_EQ(ItemTypeNames::PickableList(),
              "custom, password, login, url, location, mail, host, ip, card-number, serial, phone, key-passphrase");
    EXPECT_EQ(pickable, 12);

    for (const std::string_view name : {"file", "Exec", "private key"}) {
        try {
            ItemTypeNames::Pickable(name);
            ADD_FAILURE() << name;
        } catch (const CliFailure& failure) {
            EXPECT_EQ(failure.Status(), ExitStatus::Usage);
            EXPECT_NE(std::string(failure.what()).find("come only from imports"), std::string::npos);
        }
    }
    try {
        ItemTypeNames::Pickable("passwort");
        ADD_FAILURE();
    } catch (const CliFailure& failure) {
        EXPECT_EQ(std::string(failure.what()).rfind("unknown item type \"passwort\"; --type takes custom, ", 0), 0u);
    }
    EXPECT_EQ(ItemTypeNames::Label(ItemType::File), "File");
    EXPECT_EQ(ItemTypeNames::Label(static_cast<ItemType>(99)), "Type 99");
}
