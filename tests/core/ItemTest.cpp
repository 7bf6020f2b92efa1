#include "core/Item.h"

#include "core/ModifiedFlag.h"
#include "tests/support/ModelFixture.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

class ItemTest : public test::ModelFixture {};

} // namespace

// Known types set name, image and hidden flag; the custom type only fills a missing image; unknown
// types change only the type number. None of it touches the modified flag.
TEST_F(ItemTest, TypeDefaultsSetNameImageAndHiddenWithoutTouchingModifiedFlag) {
    const struct {
        std::uint32_t type;
        int image;
        bool hidden;
        const char* expectedName;
        int expectedImage;
        bool expectedHidden;
    } cases[] = {
        {static_cast<std::uint32_t>(ItemType::Custom), -1, false, "Note", 3, false},
        {static_cast<std::uint32_t>(ItemType::Custom), 7, true, "Note", 7, true},
        {static_cast<std::uint32_t>(ItemType::Password), -1, false, "Password", 1, true},
        {static_cast<std::uint32_t>(ItemType::Login), 7, true, "Login", 2, false},
        {static_cast<std::uint32_t>(ItemType::Ip), -1, true, "IP", 14, false},
        {static_cast<std::uint32_t>(ItemType::KeyPassphrase), -1, false, "Key passphrase", 24, true},
        {13, -1, true, "Note", -1, true},
        {16, -1, false, "Note", -1, false},
        {0xFFFFFFFFu, -1, false, "Note", -1, false},
    };
    EXPECT_EQ(Item().Type(), ItemType::Custom) << "a new item is custom";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        Item item;
        item.SetName("Note");
        item.SetImage(c.image);
        item.SetHidden(c.hidden);
        ModifiedFlag::Clear();
        item.ApplyTypeDefaults(static_cast<ItemType>(c.type));
        EXPECT_EQ(static_cast<std::uint32_t>(item.Type()), c.type);
        EXPECT_EQ(item.Name(), c.expectedName);
        EXPECT_EQ(item.Image(), c.expectedImage);
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
