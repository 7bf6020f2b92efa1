#include "shell/HotKeyAtomName.h"

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(HotKeyAtomNameTest, EachRegistrationGetsANameOfItsOwn) {
    const std::string first = HotKeyAtomName();
    EXPECT_NE(HotKeyAtomName(), first);
}
