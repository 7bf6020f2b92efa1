#include "shell/TextFormat.h"

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(TextFormatTest, FillsConversionsInOrderAndNeverReadsMissingArguments) {
    EXPECT_EQ(FormatText("%s [%s]", {"Home", "home.kvtdat"}), "Home [home.kvtdat]");
    EXPECT_EQ(FormatText("Total: %d Group(s), %5d Passcard(s)", {"3", "12"}), "Total: 3 Group(s), 12 Passcard(s)");
    EXPECT_EQ(FormatText("100%% sure about \"%s\"", {"x"}), "100% sure about \"x\"");
    // A language file may carry more conversions than the code passes, or dangerous ones.
    EXPECT_EQ(FormatText("%s and %s", {"one"}), "one and ");
    EXPECT_EQ(FormatText("%n%p%", {"unused"}), "%n%p%");
    EXPECT_EQ(FormatText("no conversions", {"unused"}), "no conversions");
}

TEST(TextFormatTest, FileDialogFiltersEndInTwoZeros) {
    using namespace std::string_literals;
    EXPECT_EQ(FileDialogFilter("Files (*.kvtdat)%*.kvtdat%All Files (*.*)%*.*%"),
              "Files (*.kvtdat)\0*.kvtdat\0All Files (*.*)\0*.*\0\0"s);
    EXPECT_EQ(FileDialogFilter("Files%*.x"), "Files\0*.x\0\0"s) << "a translation without the last % still works";
    EXPECT_EQ(FileDialogFilter(""), "\0\0"s);
}
