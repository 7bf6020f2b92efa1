#include "core/Item.h"

#include "core/ModifiedFlag.h"
#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class ItemTest : public test::ModelFixture {};

} // namespace

TEST_F(ItemTest, CustomTypeDefaultsOnlyFillAMissingImage) {
    Item item;
    EXPECT_EQ(item.Type(), ItemType::Custom) << "a new item is custom";
    item.SetName("Note");
    item.ApplyTypeDefaults(ItemType::Custom);
    EXPECT_EQ(item.Image(), 3);
    EXPECT_EQ(item.Name(), "Note");

    Item withImage;
    withImage.SetImage(7);
    withImage.SetHidden(true);
    withImage.ApplyTypeDefaults(ItemType::Custom);
    EXPECT_EQ(withImage.Image(), 7);
    EXPECT_TRUE(withImage.Hidden());
}

TEST_F(ItemTest, TypeDefaultsSetNameImageAndHiddenWithoutTouchingModifiedFlag) {
    struct Expected {
        ItemType type;
        const char* name;
        int image;
        bool hidden;
    };
    const Expected table[] = {
        {ItemType::Password, "Password", 1, true},
        {ItemType::Login, "Login", 2, false},
        {ItemType::Ip, "IP", 14, false},
        {ItemType::KeyPassphrase, "Key passphrase", 24, true},
    };
    for (const auto& expected : table) {
        Item item;
        item.SetName("Note");
        item.SetHidden(!expected.hidden);
        ModifiedFlag::Clear();
        item.ApplyTypeDefaults(expected.type);
        EXPECT_EQ(item.Name(), expected.name);
        EXPECT_EQ(item.Image(), expected.image) << expected.name;
        EXPECT_EQ(item.Hidden(), expected.hidden) << expected.name;
        EXPECT_EQ(item.Type(), expected.type);
        EXPECT_FALSE(ModifiedFlag::IsRaised()) << expected.name;
    }

    // A raised flag stays raised.
    Item item;
    ModifiedFlag::Raise();
    item.ApplyTypeDefaults(ItemType::Password);
    EXPECT_TRUE(ModifiedFlag::IsRaised());
}

TEST_F(ItemTest, UnknownTypesChangeOnlyTheTypeNumber) {
    for (std::uint32_t number : {13u, 16u, 0xFFFFFFFFu}) {
        Item item;
        item.SetName("Keep");
        item.ApplyTypeDefaults(static_cast<ItemType>(number));
        EXPECT_EQ(static_cast<std::uint32_t>(item.Type()), number);
        EXPECT_EQ(item.Name(), "Keep");
        EXPECT_EQ(item.Image(), -1);
    }
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

TEST_F(ItemTest, BinaryKeepsZeroBytesAndEmptyMeansNone) {
    Item item;
    EXPECT_EQ(item.BinaryData(), nullptr);
    const std::uint8_t data[] = {0, 0, 7, 0};
    item.SetBinary(data, sizeof data);
    ASSERT_EQ(item.BinarySize(), 4u);
    EXPECT_EQ(std::vector<std::uint8_t>(item.BinaryData(), item.BinaryData() + 4),
              std::vector<std::uint8_t>(data, data + 4));
    item.SetBinary(data, 0);
    EXPECT_EQ(item.BinarySize(), 0u);
    EXPECT_EQ(item.BinaryData(), nullptr);
    item.SetBinary(nullptr, 4);
    EXPECT_EQ(item.BinarySize(), 0u);
}

TEST_F(ItemTest, CopyConstructionCopiesEveryFieldButGetsAFreshTime) {
    Item source;
    source.SetName("Key");
    source.SetComment("comment");
    source.SetImage(29);
    source.SetMeta("id_rsa");
    source.SetValue("secret");
    source.SetType(ItemType::PrivateKey);
    source.SetHidden(true);
    const std::uint8_t data[] = {9, 8, 7};
    source.SetBinary(data, sizeof data);
    source.SetTime(100);

    Item copy(source);
    EXPECT_EQ(copy.Name(), "Key");
    EXPECT_EQ(copy.Comment(), "comment");
    EXPECT_EQ(copy.Image(), 29);
    EXPECT_EQ(copy.Meta(), "id_rsa");
    EXPECT_EQ(copy.Value(), "secret");
    EXPECT_EQ(copy.Type(), ItemType::PrivateKey);
    EXPECT_TRUE(copy.Hidden());
    ASSERT_EQ(copy.BinarySize(), 3u);
    EXPECT_NE(copy.BinaryData(), source.BinaryData());
    EXPECT_EQ(copy.BinaryData()[2], 7);
    EXPECT_EQ(copy.Time(), kNow);
}
