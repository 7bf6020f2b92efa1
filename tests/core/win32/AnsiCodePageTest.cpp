// The ANSI side of text conversion on Windows: the system code page with its own replacement
// character.
#include "core/TextConversion.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace vaultlet;

TEST(AnsiCodePageTest, ConvertsWithTheSystemCodePage) {
    CPINFO info{};
    ASSERT_TRUE(GetCPInfo(CP_ACP, &info));
    ASSERT_EQ(info.MaxCharSize, 1u) << "the test expects a single-byte Western code page, got " << GetACP();

    // U+00E9 is in every Western code page; read back its byte through the system itself.
    char expected[4] = {};
    const wchar_t eAcute[] = L"\u00E9";
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, eAcute, 1, expected, sizeof expected, nullptr, nullptr), 1);
    EXPECT_EQ(Utf16ToAnsi(u"\u00E9"), std::string(expected, 1));
    EXPECT_EQ(AnsiToUtf16(std::string(expected, 1)).Viewed(), std::u16string_view(u"\u00E9"));
    EXPECT_EQ(AnsiToUtf8(std::string(expected, 1)), "\xC3\xA9");

    // A character outside the code page becomes the code page's default character.
    const SecureString replaced = Utf16ToAnsi(u"a\u4E2Db");
    ASSERT_EQ(replaced.size(), 3u);
    EXPECT_EQ(replaced[1], static_cast<char>(info.DefaultChar[0]));
    EXPECT_EQ(Utf8ToAnsi("a\xE4\xB8\xAD"
                         "b"),
              replaced);

    // Neither that nor a look-alike letter ("\u0141" best fits as "L") is the character itself.
    EXPECT_TRUE(IsExactInAnsi(u"caf\u00E9"));
    EXPECT_FALSE(IsExactInAnsi(u"a\u4E2Db"));
    EXPECT_FALSE(IsExactInAnsi(u"\u0141"));
}

TEST(AnsiCodePageTest, EveryAnsiByteSurvivesTheTripThroughUtf8) {
    // The database document stores ANSI text as UTF-8: nothing representable may change on the way.
    for (int byte = 1; byte < 256; ++byte) {
        const std::string ansi(1, static_cast<char>(byte));
        const SecureU16String wide = AnsiToUtf16(ansi);
        if (wide.size() != 1 || wide[0] == 0xFFFD) {
            continue; // an undefined code point of this code page
        }
        EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(ansi)), ansi) << "byte " << byte;
    }
}
