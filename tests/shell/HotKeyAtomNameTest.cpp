#include "shell/HotKeyAtomName.h"

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(HotKeyAtomNameTest, EachRegistrationGetsANameOfItsOwn) {
    const std::string first = HotKeyAtomName();
    // Eight groups of four hexadecimal digits: a name no other program chooses by chance.
    EXPECT_EQ(first.size(), 8u * 4 + 7);
    EXPECT_NE(HotKeyAtomName(), first);
}
