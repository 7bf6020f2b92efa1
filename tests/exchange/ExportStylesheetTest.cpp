#include "exchange/ExportStylesheet.h"

#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <string>

using namespace vaultlet;

namespace {

TEST(ExportStylesheetTest, IsTheStylesheetFileByteForByte) {
    const std::string file = test::ReadFileBytes(test::DataPath("../../resources/ExportStyle.css"));
    ASSERT_EQ(file.size(), 753u) << "the stylesheet file itself, with its CR LF line ends";
    EXPECT_EQ(ExportStylesheet(), file);
}

} // namespace
