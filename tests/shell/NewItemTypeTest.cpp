#include "shell/NewItemType.h"

#include "core/Item.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

std::unique_ptr<Item> ItemOf(ItemType type) {
    auto item = std::make_unique<Item>();
    item->SetType(type);
    return item;
}

TEST(NewItemTypeTest, FollowsTheListOrderAndStartsOverWithPassword) {
    Passcard passcard;
    EXPECT_EQ(NewItemType(passcard), ItemType::Password);
    const std::pair<ItemType, ItemType> steps[] = {
        {ItemType::Custom, ItemType::Password},
        {ItemType::Password, ItemType::Login},
        {ItemType::KeyPassphrase, ItemType::Password},
        {ItemType::File, ItemType::Password},
    };
    for (const auto& [last, next] : steps) {
        passcard.Add(ItemOf(last));
        EXPECT_EQ(NewItemType(passcard), next) << static_cast<int>(last);
    }
}

} // namespace
} // namespace vaultlet
