#include "cli/NodeText.h"

#include <gtest/gtest.h>

using namespace vaultlet;

// What each kind of node shows is ShowCommandTest's; here the calendar of the times it shows.
TEST(NodeTextTest, TimesAreUtcCalendarTimes) {
    EXPECT_EQ(NodeText::FormatUtc(0), "1970-01-01 00:00:00 UTC");
    EXPECT_EQ(NodeText::FormatUtc(951782400), "2000-02-29 00:00:00 UTC");
    EXPECT_EQ(NodeText::FormatUtc(4102444799), "2099-12-31 23:59:59 UTC");
    EXPECT_EQ(NodeText::FormatUtc(-1), "1969-12-31 23:59:59 UTC");
}
