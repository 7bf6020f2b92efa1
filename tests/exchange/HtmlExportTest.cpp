#include "exchange/HtmlExport.h"

#include "core/Database.h"
#include "exchange/HtmlPage.h"
#include "tests/exchange/ExchangeTestSupport.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vaultlet;
using namespace vaultlet::test;

namespace {

using HtmlExportTest = ModelFixture;

TEST_F(HtmlExportTest, WritesTheFilePageAsItIsReplacesAnOldFileAndFailsWithoutAPage) {
    TempDir dir;
    const auto database = MakeRichDatabase();
    const std::string file = dir.File("page.html");
    ASSERT_TRUE(WriteFileBytes(file, std::string(100000, 'x')));
    // Which nodes the page holds is HtmlPageTest's; the export writes the page of the node it is given.
    const ModelNode* passcard = database->At(0)->At(0);
    ASSERT_TRUE(HtmlExport().exportTo(file, *database, passcard));
    const std::string written = ReadFileBytes(file);
    EXPECT_EQ(written, HtmlPage::Build(*database, passcard, HtmlPageVariant::File).Viewed());
    EXPECT_TRUE(written.starts_with("<html>")) << "no byte-order mark";

    // An empty page (a node outside the database) or a file that cannot be created fails.
    Item detached;
    EXPECT_FALSE(HtmlExport().exportTo(dir.File("empty.html"), *database, &detached));
    EXPECT_FALSE(std::filesystem::exists(dir.File("empty.html")));
    EXPECT_FALSE(HtmlExport().exportTo(dir.File("no folder/page.html"), *database, nullptr));
}

} // namespace
