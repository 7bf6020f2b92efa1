#include "exchange/ExportStylesheet.h"

#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <string>

using namespace vaultlet;

namespace {

TEST(ExportStylesheetTest, IsTheStylesheetFileByteForByte) {
    const std::string file = test::ReadFileBytes(test::DataPath("../../resources/ExportStyle.css"));
    ASSERT_EQ(file.size(), 753u) << "the stylesheet file itself";
    EXPECT_EQ(ExportStylesheet(), file);
}

TEST(ExportStylesheetTest, HasCrLfLineEndsAndTheRulesInOrder) {
    const std::string style(ExportStylesheet());
    for (std::size_t at = style.find('\n'); at != std::string::npos; at = style.find('\n', at + 1)) {
        ASSERT_TRUE(at > 0 && style[at - 1] == '\r') << "bare line feed at " << at;
    }
    const char* selectors[] = {"* {", "body {",  "a {",      "a:hover {",   "h1 {", "h2 {",    "h3 {",
                               "p {", ".main {", ".group {", ".passcard {", "dl {", "dl dt {", "dl dd {"};
    std::size_t last = 0;
    for (const char* selector : selectors) {
        // Each rule starts a line: the file's first one, or one after a line end.
        const std::size_t at = style.starts_with(selector) ? 0 : style.find(std::string("\r\n") + selector);
        ASSERT_NE(at, std::string::npos) << selector;
        EXPECT_GE(at, last) << selector << " out of order";
        last = at;
    }
    EXPECT_NE(style.find("padding: 3 5 0 15"), std::string::npos);
    EXPECT_NE(style.find("line-height: 150%"), std::string::npos);
}

} // namespace
