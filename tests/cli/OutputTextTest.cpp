#include "cli/OutputText.h"

#include <gtest/gtest.h>

#include <string>

using namespace vaultlet;

TEST(OutputTextTest, ControlCharactersAreWrittenAsEscapesAndTheRestAsItIs) {
    const std::string text = "a\nb\rc\x1b]0;title\x07 d\x7f\x01\x1f e\tf\\n";
    const std::string expected = "a\\nb\\rc\\x1b]0;title\\x07 d\\x7f\\x01\\x1f e\tf\\n";
    EXPECT_EQ(OneLine(text), expected);
    EXPECT_EQ(OneLine(std::string_view("\0", 1)), "\\x00");
}
