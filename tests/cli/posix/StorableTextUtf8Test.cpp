// Outside Windows the system's narrow text is UTF-8, so bytes that are not UTF-8 cannot be kept.
#include "cli/StorableText.h"

#include "cli/CliFailure.h"

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(StorableTextUtf8Test, OnlyWellFormedUtf8IsText) {
    const auto storable = [](std::string_view text) {
        try {
            RequireStorableText(text, "the comment");
            return true;
        } catch (const CliFailure& failure) {
            EXPECT_STREQ(failure.what(), "the comment is not valid text in the system's character set");
            return false;
        }
    };
    EXPECT_TRUE(storable("Gr\xC3\xBC\xC3\x9F"
                         "e \xE2\x82\xAC \xF0\x9F\x94\x91"));
    EXPECT_FALSE(storable("\xFF"));
    EXPECT_FALSE(storable("latin-1 \xE9t\xE9"));
    EXPECT_FALSE(storable("cut \xE2\x82"));
    EXPECT_FALSE(storable("overlong \xC0\xAF"));
    EXPECT_FALSE(storable("surrogate \xED\xA0\x80"));
}
