#include "exchange/ImportReport.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

TEST(ImportReportTest, FillsTheFormatsInOrder) {
    EXPECT_EQ(FormatImportCounts("Imported: %d Group(s), %d Passcard(s), %d Fields(s)", {6, 6, 16}),
              "Imported: 6 Group(s), 6 Passcard(s), 16 Fields(s)");
    EXPECT_EQ(FormatImportFailure("Error while importing \"%s\" file.", "KeePass 2 XML"),
              "Error while importing \"KeePass 2 XML\" file.");
    EXPECT_EQ(FormatImportCounts("%u/%i/%d 100%%", {1, 2, 3}), "1/2/3 100%");
}

TEST(ImportReportTest, HostileOrBrokenFormatsAreKeptAsText) {
    // A replaced language file must not be able to read or write memory through the format.
    EXPECT_EQ(FormatImportCounts("%s %n %x %d %d %d %d", {1, 2, 3}), "%s %n %x 1 2 3 %d");
    EXPECT_EQ(FormatImportFailure("%d %s %s", "HTML File"), "%d HTML File %s");
    EXPECT_EQ(FormatImportFailure("trailing %", "x"), "trailing %");
    EXPECT_EQ(FormatImportCounts("", {1, 2, 3}), "");
}

} // namespace
