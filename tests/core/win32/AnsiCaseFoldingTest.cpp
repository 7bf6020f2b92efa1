// Case folding in a single-byte Western code page: the letters above ASCII fold as the system folds
// them, so that Find matches "CAFÉ" in "café".
#include "core/CaseFolding.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace vaultlet;

TEST(AnsiCaseFoldingTest, FoldsTheLettersOfTheCodePage) {
    CPINFO info{};
    ASSERT_TRUE(GetCPInfo(CP_ACP, &info));
    ASSERT_EQ(info.MaxCharSize, 1u) << "the test expects a single-byte Western code page, got " << GetACP();
    // The bytes of U+00C9 and U+00E9 in the code page, read back through the system itself.
    char upper = 0;
    char lower = 0;
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, L"\u00C9", 1, &upper, 1, nullptr, nullptr), 1);
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, L"\u00E9", 1, &lower, 1, nullptr, nullptr), 1);

    const CaseFolding& folding = CaseFolding::Ansi();
    EXPECT_EQ(folding.Fold(upper), lower);
    EXPECT_EQ(folding.Fold(lower), lower);
    EXPECT_EQ(folding.Fold('Q'), 'q');
    EXPECT_EQ(folding.Fold('@'), '@');
    EXPECT_EQ(folding.Fold('\xD7'), '\xD7') << "the multiplication sign of Windows-1252 is no letter";
}
