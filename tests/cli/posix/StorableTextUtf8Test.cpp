// Outside Windows the system's narrow text is UTF-8, so bytes that are not UTF-8 cannot be kept.
#include "cli/StorableText.h"

#include "tests/cli/UsageError.h"

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(StorableTextUtf8Test, OnlyWellFormedUtf8IsText) {
    const auto messageFor = [](std::string_view text) {
        return test::UsageErrorOf([&] { RequireStorableText(text, "the comment"); });
    };
    EXPECT_EQ(messageFor("Gr\xC3\xBC\xC3\x9F"
                         "e \xE2\x82\xAC \xF0\x9F\x94\x91"),
              "");
    for (const char* text :
         {"\xFF", "latin-1 \xE9t\xE9", "cut \xE2\x82", "overlong \xC0\xAF", "surrogate \xED\xA0\x80"}) {
        EXPECT_EQ(messageFor(text), "the comment is not valid text in the system's character set") << text;
    }
}
