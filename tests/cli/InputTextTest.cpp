#include "cli/InputText.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vaultlet;

TEST(InputTextTest, ReadsOneLineAtATimeWithoutItsLineEnd) {
    std::istringstream in("first\nsecond\r\n\nlast \r");
    SecureString line;
    ASSERT_TRUE(ReadInputLine(in, line));
    EXPECT_EQ(line, "first");
    ASSERT_TRUE(ReadInputLine(in, line));
    EXPECT_EQ(line, "second");
    ASSERT_TRUE(ReadInputLine(in, line));
    EXPECT_EQ(line, "");
    // A last line without a line feed counts; a lone carriage return is part of it.
    ASSERT_TRUE(ReadInputLine(in, line));
    EXPECT_EQ(line, "last \r");
    EXPECT_FALSE(ReadInputLine(in, line));
    EXPECT_EQ(line, "");
}

TEST(InputTextTest, TheRestLosesExactlyOneTrailingLineEnd) {
    const auto rest = [](const std::string& text) {
        std::istringstream in(text);
        return std::string(ReadRemainingInput(in).Viewed());
    };
    // One line feed alone is dropped through the add command (AddCommandTest).
    EXPECT_EQ(rest("value\r\n"), "value");
    EXPECT_EQ(rest("\n"), "");
    EXPECT_EQ(rest(""), "");
    EXPECT_EQ(rest(std::string("nul\0inside\n", 11)), std::string("nul\0inside", 10));
}
