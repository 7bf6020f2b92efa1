#include "shell/CommandAvailability.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace vaultlet {
namespace {

TEST(CommandAvailabilityTest, CommandsOnTheSelectedNodeNeedASelectionAndSelectAllTheNote) {
    FrameState state;
    for (int id : {ID_EDIT_COPY, ID_EDIT_EXPORT_ITEM}) {
        EXPECT_FALSE(CommandStateOf(id, state).enabled) << id;
    }
    EXPECT_FALSE(CommandStateOf(ID_EDIT_SELECT_ALL, state).enabled);
    state.selected = NodeKind::Database; // any kind
    for (int id : {ID_EDIT_COPY, ID_EDIT_EXPORT_ITEM}) {
        EXPECT_TRUE(CommandStateOf(id, state).enabled) << id;
    }
    state.noteFocused = true;
    EXPECT_TRUE(CommandStateOf(ID_EDIT_SELECT_ALL, state).enabled);
}

TEST(CommandAvailabilityTest, EditingCommandsFollowTheKindOfTheSelection) {
    FrameState state;
    state.selected = NodeKind::Database;
    EXPECT_FALSE(CommandStateOf(ID_EDIT_DELETE, state).enabled) << "the database cannot be deleted";
    EXPECT_TRUE(CommandStateOf(ID_EDIT_ADD_GROUP, state).enabled);
    EXPECT_FALSE(CommandStateOf(ID_EDIT_ADD_PASSCARD, state).enabled);
    EXPECT_FALSE(CommandStateOf(ID_EDIT_DUPLICATE, state).enabled);
    state.selected = NodeKind::Item;
    EXPECT_TRUE(CommandStateOf(ID_EDIT_DELETE, state).enabled);
    EXPECT_FALSE(CommandStateOf(ID_EDIT_ADD_ITEM, state).enabled) << "every Add is off for an item";
    EXPECT_FALSE(CommandStateOf(ID_EDIT_DUPLICATE, state).enabled);
    EXPECT_FALSE(CommandStateOf(ID_BOOKMARKS_ADD, state).enabled);
    state.selected = NodeKind::Passcard;
    EXPECT_TRUE(CommandStateOf(ID_EDIT_DUPLICATE, state).enabled);
    EXPECT_TRUE(CommandStateOf(ID_BOOKMARKS_ADD, state).enabled);
    EXPECT_FALSE(CommandStateOf(ID_BOOKMARKS_REMOVE, state).enabled);
    state.bookmarked = true;
    EXPECT_FALSE(CommandStateOf(ID_BOOKMARKS_ADD, state).enabled);
    EXPECT_TRUE(CommandStateOf(ID_BOOKMARKS_REMOVE, state).enabled);
}

TEST(CommandAvailabilityTest, NewLoginNeedsAGroupAndTheCopiesTheirField) {
    FrameState state;
    for (const auto& [selected, newLogin] :
         {std::pair{std::optional<NodeKind>(), false}, std::pair{std::optional(NodeKind::Database), false},
          std::pair{std::optional(NodeKind::Group), true}, std::pair{std::optional(NodeKind::Passcard), true},
          std::pair{std::optional(NodeKind::Item), true}}) {
        state.selected = selected;
        EXPECT_EQ(CommandStateOf(ID_EDIT_NEW_LOGIN, state).enabled, newLogin);
    }
    EXPECT_FALSE(CommandStateOf(ID_EDIT_COPY_LOGIN, state).enabled);
    EXPECT_FALSE(CommandStateOf(ID_EDIT_COPY_PASSWORD, state).enabled);
    state.hasPassword = true;
    EXPECT_FALSE(CommandStateOf(ID_EDIT_COPY_LOGIN, state).enabled);
    EXPECT_TRUE(CommandStateOf(ID_EDIT_COPY_PASSWORD, state).enabled);
    state.hasLogin = true;
    EXPECT_TRUE(CommandStateOf(ID_EDIT_COPY_LOGIN, state).enabled);
}

TEST(CommandAvailabilityTest, CommandsThatNeedNoSelectionAreEnabledWhateverIsSelected) {
    FrameState state;
    state.selected = NodeKind::Passcard;
    state.noteFocused = true;
    EXPECT_TRUE(CommandStateOf(ID_FILE_SAVE, state).enabled);
}

} // namespace
} // namespace vaultlet
