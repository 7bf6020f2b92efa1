#include "shell/HotKeyAtomName.h"

#include "core/crypto/GeneratorRandom.h"

#include <gtest/gtest.h>

using namespace vaultlet;

// The name follows the shared per-thread sequence: seed 1 draws 41, 18467, 6334, 26500, ...
TEST(HotKeyAtomNameTest, EightDrawsOfTheThreadsSourceInHex) {
    GeneratorRandom::Seed(1);
    const std::string first = HotKeyAtomName();
    EXPECT_EQ(first, "0029-4823-18BE-6784-4AE1-3D6C-2CD6-72AE");
    EXPECT_NE(HotKeyAtomName(), first) << "the next registration gets another name";
}
