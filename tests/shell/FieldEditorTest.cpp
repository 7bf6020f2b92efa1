#include "shell/FieldEditor.h"

#include "core/ModifiedFlag.h"
#include "resources/StringIds.h"
#include "services/BuiltinStringTable.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vaultlet {
namespace {

std::unique_ptr<Item> MakeItem(ItemType type, std::string_view name, std::int32_t image, bool hidden) {
    auto item = std::make_unique<Item>();
    item->SetType(type);
    item->SetName(name);
    item->SetImage(image);
    item->SetHidden(hidden);
    return item;
}

TEST(FieldEditorTest, AnEditedItemKeepsItsOwnNameAndHiddenFlag) {
    const auto item = MakeItem(ItemType::Password, "Admin", 22, false);
    FieldEditor editor(*item, false);
    EXPECT_EQ(editor.Current().name, "Admin");
    EXPECT_FALSE(editor.Current().hidden);
    EXPECT_FALSE(editor.NameIsEditable());
    EXPECT_EQ(editor.SelectedRow(), 1);

    Item target(*item);
    ModifiedFlag::Clear();
    editor.WriteTo(target, "");
    EXPECT_FALSE(ModifiedFlag::IsRaised()) << "an OK without changes changes nothing";
}

TEST(FieldEditorTest, ANewItemShowsItsTypeLabelAndTheDefaultsOfItsType) {
    const auto item = MakeItem(ItemType::KeyPassphrase, "whatever", -1, false);
    item->SetMeta("id_rsa");
    FieldEditor editor(*item, true);
    EXPECT_EQ(editor.Current().name, BuiltinStringTable::Find(IDS_TYPE_KEY_PASSPHRASE));
    EXPECT_TRUE(editor.Current().hidden);
    EXPECT_EQ(editor.Current().meta, "id_rsa");
    EXPECT_EQ(editor.Types()[editor.SelectedRow()].type, ItemType::KeyPassphrase);
}

TEST(FieldEditorTest, LeavingCustomAndComingBackRestoresWhatWasShown) {
    const auto item = MakeItem(ItemType::Custom, "PIN", 19, false);
    FieldEditor editor(*item, false);
    EXPECT_TRUE(editor.NameIsEditable());
    editor.Update("Door PIN", true, "front door");
    editor.ChooseType(ItemType::Login);
    EXPECT_EQ(editor.Current().name, "Login");
    EXPECT_FALSE(editor.Current().hidden);
    EXPECT_EQ(editor.Current().meta, "front door") << "the same group of types keeps the comment";

    editor.Update("Login", false, "front door");
    editor.ChooseType(ItemType::KeyPassphrase);
    EXPECT_EQ(editor.Current().meta, "") << "the key name is a text of its own";
    editor.Update(editor.Current().name, true, "id_ed25519");
    editor.ChooseType(ItemType::Custom);
    EXPECT_EQ(editor.Current().name, "Door PIN");
    EXPECT_TRUE(editor.Current().hidden);
    EXPECT_EQ(editor.Current().meta, "front door");
    editor.ChooseType(ItemType::KeyPassphrase);
    EXPECT_EQ(editor.Current().meta, "id_ed25519");
}

TEST(FieldEditorTest, TypesTheListDoesNotOfferAreShownFixedAndWrittenBackUnchanged) {
    const std::pair<ItemType, std::string> fixed[] = {{ItemType::PrivateKey, "Private key"},
                                                      {static_cast<ItemType>(13), "Type 13"}};
    for (const auto& [type, label] : fixed) {
        const auto item = MakeItem(type, "backup.key", 7, false);
        const std::uint8_t bytes[] = {0, 255, 10, 13};
        item->SetBinary(bytes, sizeof bytes);
        FieldEditor editor(*item, false);
        EXPECT_TRUE(editor.TypeIsFixed());
        EXPECT_EQ(editor.SelectedRow(), static_cast<int>(editor.Types().size()) - 1);
        EXPECT_EQ(FieldEditor::LabelOf(editor.Types().back()), label);
        EXPECT_TRUE(editor.NameIsEditable());
        EXPECT_FALSE(editor.GeneratorIsEnabled());

        editor.ChooseType(ItemType::Password);
        editor.Update("renamed.key", true, "note");
        editor.WriteTo(*item, "C:\\keys\\backup.key");
        EXPECT_EQ(item->Type(), type);
        EXPECT_EQ(item->Name(), "renamed.key");
        EXPECT_EQ(item->Image(), 7);
        EXPECT_EQ(item->Meta(), "note");
        EXPECT_TRUE(item->Hidden());
        ASSERT_EQ(item->BinarySize(), sizeof bytes);
        EXPECT_EQ(std::memcmp(item->BinaryData(), bytes, sizeof bytes), 0);
    }
}

} // namespace
} // namespace vaultlet
