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
