#include "shell/LoginTexts.h"

#include "resources/StringIds.h"

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(LoginTextsTest, EachLoadFailureGetsTheMessageThatFitsIt) {
    EXPECT_EQ(LoadFailureMessage(LoadResult::WrongPassword), IDS_INVALID_PASSWORD);
    EXPECT_EQ(LoadFailureMessage(LoadResult::NotADatabase), IDS_INCORRECT_FILE_FORMAT);
    EXPECT_EQ(LoadFailureMessage(LoadResult::UnknownCipher), IDS_INCORRECT_FILE_FORMAT);
    EXPECT_EQ(LoadFailureMessage(LoadResult::CannotOpen), IDS_DATABASE_UNREADABLE);
    EXPECT_EQ(LoadFailureMessage(LoadResult::ReadFailure), IDS_DATABASE_UNREADABLE);
}

TEST(LoginTextsTest, VersionLabelShowsTheBuildOnlyWhenThereIsOne) {
    EXPECT_EQ(VersionLabel(1, 0, 0), "v1.0");
    EXPECT_EQ(VersionLabel(2, 11, 345), "v2.11.345");
}
