#include "core/TextConversion.h"

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(TextConversionTest, Utf8AndUtf16RoundTripAcrossAllPlanes) {
    const char* utf8 = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x94\x91z"; // A é € 🔑 z
    const SecureU16String wide = Utf8ToUtf16(utf8);
    EXPECT_EQ(wide.Viewed(), std::u16string_view(u"A\u00E9\u20AC\U0001F511z"));
    EXPECT_EQ(Utf16ToUtf8(wide), utf8);
    // The first and last character of each encoded length.
    const char* edges = "\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
    EXPECT_EQ(Utf8ToUtf16(edges).Viewed(), std::u16string_view(u"\u0080\u07FF\u0800\uFFFF\U00010000\U0010FFFF"));
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(edges)), edges);
    EXPECT_TRUE(Utf8ToUtf16("").empty());
    EXPECT_TRUE(Utf16ToUtf8(u"").empty());
    // Embedded zero characters are text like any other.
    EXPECT_EQ(Utf8ToUtf16(std::string_view("a\0b", 3)).size(), 3u);
}

TEST(TextConversionTest, InvalidUtf8BecomesReplacementCharactersNeverRawBytes) {
    struct Case {
        std::string_view input;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {"\x80", u"\uFFFD"},                               // lone continuation byte
        {"a\xC3", u"a\uFFFD"},                             // truncated sequence at the end
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                     // overlong "/"
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},           // overlong three-byte form
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},           // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // above U+10FFFF
        {"\xE2\x82x", u"\uFFFDx"},                         // maximal subpart replaced once
        {"\xFF\xFEok", u"\uFFFD\uFFFDok"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToUtf16(c.input).Viewed(), c.expected) << "input of " << c.input.size() << " bytes";
    }
}

TEST(TextConversionTest, UnpairedSurrogatesBecomeReplacementCharacters) {
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    EXPECT_EQ(Utf16ToUtf8(lone), "a\xEF\xBF\xBD"
                                 "b\xEF\xBF\xBD");
    const char16_t trailingHigh[] = {0xD83D, 0};
    EXPECT_EQ(Utf16ToUtf8(trailingHigh), "\xEF\xBF\xBD");
}
