#include "shell/UserGuidePages.h"

#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <string>

using namespace vaultlet;

namespace {

// A page names a file of docs/guide/, with an anchor that file holds.
bool GuideHas(std::string_view page) {
    const std::size_t hash = page.find('#');
    const std::string text = test::ReadFileBytes(test::SourcePath("docs/guide/" + std::string(page.substr(0, hash))));
    return !text.empty() && (hash == std::string_view::npos ||
                             text.find("id=\"" + std::string(page.substr(hash + 1)) + "\"") != std::string::npos);
}

} // namespace

// F1 in a dialog opens its own page: a dialog added without a line in the table, or a page renamed in
// the guide, would open the start page or nothing.
TEST(UserGuidePagesTest, EveryDialogOfTheProgramHasAPageTheGuideHolds) {
    const auto dialogs = test::DefinedIds("resources/resource.h", "IDD_");
    for (const auto& [name, id] : dialogs) {
        const std::string_view page = user_guide::PageOfDialog(id);
        EXPECT_NE(page, user_guide::kStartPage) << name << " has no page";
        EXPECT_TRUE(GuideHas(page)) << name << ": " << page;
    }
    EXPECT_GE(dialogs.size(), 20u);
    EXPECT_EQ(user_guide::PageOfDialog(0), user_guide::kStartPage);
}
