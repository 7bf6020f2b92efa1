#include "core/Item.h"

#include "core/ModifiedFlag.h"
#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

using ItemTest = test::ModelFixture;

// Known types set name and hidden flag; the custom type keeps the hidden flag; unknown types change
// only the type number. None of it touches the modified flag.
TEST_F(ItemTest, TypeDefaultsSetNameAndHiddenWithoutTouchingModifiedFlag) {
    const struct {
        std::uint32_t type;
        const char* expectedName;
        bool expectedHidden;
    } cases[] = {
        {static_cast<std::uint32_t>(ItemType::Custom), "Note", true},
        {static_cast<std::uint32_t>(ItemType::Login), "Login", false},
        {13, "Note", true},
    };
    EXPECT_EQ(Item().Type(), ItemType::Custom) << "a new item is custom";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        Item item;
        item.SetName("Note");
        item.SetHidden(true);
        ModifiedFlag::Clear();
        item.ApplyTypeDefaults(static_cast<ItemType>(c.type));
        EXPECT_EQ(static_cast<std::uint32_t>(item.Type()), c.type);
        EXPECT_EQ(item.Name(), c.expectedName);
        EXPECT_EQ(item.Hidden(), c.expectedHidden);
        EXPECT_FALSE(ModifiedFlag::IsRaised());
    }

    // A raised flag stays raised.
    Item item;
    ModifiedFlag::Raise();
    item.ApplyTypeDefaults(ItemType::Password);
    EXPECT_TRUE(ModifiedFlag::IsRaised());
}

TEST_F(ItemTest, SettersRaiseModifiedFlagOnlyOnChangeButBinaryAlways) {
    Item item;
    item.SetName("Login");
    item.SetValue("alice");
    item.SetMeta("meta");
    item.SetHidden(true);
    item.SetType(ItemType::Login);
    ModifiedFlag::Clear();

    item.SetName("Login");
    item.SetValue("alice");
    item.SetMeta("meta");
    item.SetHidden(true);
    item.SetType(ItemType::Login);
    item.SetComment("");
    item.SetImage(-1);
    EXPECT_FALSE(ModifiedFlag::IsRaised());

    item.SetValue("Alice"); // comparison is case-sensitive
    EXPECT_TRUE(ModifiedFlag::IsRaised());

    const std::uint8_t data[] = {1, 0, 2};
    item.SetBinary(data, sizeof data);
    ModifiedFlag::Clear();
    item.SetBinary(data, sizeof data);
    EXPECT_TRUE(ModifiedFlag::IsRaised()) << "setting the same binary content still counts as a change";
}
