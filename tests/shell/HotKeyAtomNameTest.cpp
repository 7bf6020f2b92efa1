#include "shell/HotKeyAtomName.h"

#include "core/crypto/GeneratorRandom.h"

#include <gtest/gtest.h>

#include <regex>

using namespace vaultlet;

TEST(HotKeyAtomNameTest, EightDrawsOfTheThreadsSourceInHex) {
    GeneratorRandom::Seed(1);
    const std::string first = HotKeyAtomName();
    EXPECT_TRUE(std::regex_match(first, std::regex("([0-9A-F]{4}-){7}[0-9A-F]{4}"))) << first;

    // The same draws, taken by hand: the name follows the shared per-thread sequence.
    GeneratorRandom::Seed(1);
    std::string expected;
    for (int i = 0; i < 8; ++i) {
        char part[8];
        std::snprintf(part, sizeof part, "%04X", GeneratorRandom::Next());
        expected += (i > 0 ? "-" : "") + std::string(part);
    }
    EXPECT_EQ(first, expected);
    EXPECT_EQ(first.substr(0, 4), "0029") << "seed 1 draws 41 first";
    EXPECT_NE(HotKeyAtomName(), first) << "the next registration gets another name";
}
