// Outside Windows the system's narrow text is UTF-8: the C1 controls are the code points U+0080 to
// U+009F (bytes C2 80 to C2 9F), and other non-ASCII text keeps its bytes.
#include "cli/OutputText.h"

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(OutputTextUtf8Test, OnlyC1ControlCharactersAreEscaped) {
    EXPECT_EQ(OneLine("csi \xC2\x9B"
                      "2J next \xC2\x80\xC2\x9F"),
              "csi \\x9b2J next \\x80\\x9f");
    EXPECT_EQ(OneLine("Z\xC3\xBCrich \xE2\x82\xAC \xF0\x9F\x94\x91 \xC2\xA0\xC2\x9B\xC3\xA4"),
              "Z\xC3\xBCrich \xE2\x82\xAC \xF0\x9F\x94\x91 \xC2\xA0\\x9b\xC3\xA4");
    EXPECT_EQ(OneLine("bytes \xFF\x9B\xC2"), "bytes \xFF\x9B\xC2") << "not UTF-8: no characters, kept as they are";
}
