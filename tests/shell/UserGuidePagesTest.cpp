#include "shell/UserGuidePages.h"

#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

using namespace vaultlet;

namespace {

// A page names a file of docs/guide/, with an anchor that file holds.
bool GuideHas(std::string_view page) {
    const std::size_t hash = page.find('#');
    const std::string text =
        test::ReadFileBytes(test::DataPath("../../docs/guide/" + std::string(page.substr(0, hash))));
    return !text.empty() && (hash == std::string_view::npos ||
                             text.find("id=\"" + std::string(page.substr(hash + 1)) + "\"") != std::string::npos);
}

} // namespace

// F1 in a dialog opens its own page: a dialog added without a line in the table, or a page renamed in
// the guide, would open the start page or nothing.
TEST(UserGuidePagesTest, EveryDialogOfTheProgramHasAPageTheGuideHolds) {
    const std::string header = test::ReadFileBytes(test::DataPath("../../resources/resource.h"));
    const std::regex dialog(R"(#define (IDD_\w+) (\d+))");
    int dialogs = 0;
    for (std::sregex_iterator it(header.begin(), header.end(), dialog), end; it != end; ++it, ++dialogs) {
        const std::string_view page = user_guide::PageOfDialog(std::stoi((*it)[2]));
        EXPECT_NE(page, user_guide::kStartPage) << (*it)[1] << " has no page";
        EXPECT_TRUE(GuideHas(page)) << (*it)[1] << ": " << page;
    }
    EXPECT_GE(dialogs, 20);
    EXPECT_EQ(user_guide::PageOfDialog(0), user_guide::kStartPage);
}
