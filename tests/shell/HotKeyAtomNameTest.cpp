#include "shell/HotKeyAtomName.h"

#include "core/crypto/GeneratorRandom.h"

#include <gtest/gtest.h>

#include <cctype>

using namespace vaultlet;

TEST(HotKeyAtomNameTest, EightDrawsOfTheThreadsSourceInHex) {
    GeneratorRandom::Seed(1);
    const std::string first = HotKeyAtomName();
    ASSERT_EQ(first.size(), 39u) << first;
    for (std::size_t i = 0; i < first.size(); ++i) {
        const char c = first[i];
        const bool upperHex = std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F');
        EXPECT_TRUE(i % 5 == 4 ? c == '-' : upperHex) << first << " at " << i;
    }

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
