#include "autofill/PhoneticSpelling.h"

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(PhoneticSpellingTest, WordsPerLetterOrDigitJoinedWithDashesElseNothing) {
    EXPECT_EQ(SpellPhonetically("aB3A"), "air - BIT - three - AIR");
    EXPECT_EQ(SpellPhonetically("Z0qz"), "ZEN - zero - quiz - zen");
    EXPECT_EQ(SpellPhonetically("UxX9"), "UNIT - xmas - XMAS - nine");
    EXPECT_EQ(SpellPhonetically("t"), "tia");
    EXPECT_EQ(SpellPhonetically(""), "");
    // Anything but ASCII letters and digits gives nothing at all.
    EXPECT_EQ(SpellPhonetically("x:y"), "");
    EXPECT_EQ(SpellPhonetically("caf\xE9"), "");
}
