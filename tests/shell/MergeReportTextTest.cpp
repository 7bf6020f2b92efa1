#include "shell/MergeReportText.h"

#include "resources/StringIds.h"
#include "services/LanguagePack.h"

#include <gtest/gtest.h>

using namespace vaultlet;

TEST(MergeReportTextTest, CountsInTheirPlacesThenALineForEachSettingThatDiffered) {
    const LanguagePack& language = LanguagePack::Instance();
    MergeReport report;
    report.added = 1;
    report.removed = 2;
    report.changed = 3;
    report.otherCopies = 4;
    EXPECT_EQ(MergeReportText(report),
              "Merged with the other copy and saved: 1 added, 2 removed, 3 changed, 4 kept as other copies.");

    report.otherCipher = true;
    report.otherPassword = true;
    report.notesJoined = true;
    const std::string text = MergeReportText(report);
    EXPECT_EQ(text.substr(text.find('\n') + 1), language.getString(IDS_MERGE_OTHER_CIPHER) + "\n" +
                                                    language.getString(IDS_MERGE_OTHER_PASSWORD) + "\n" +
                                                    language.getString(IDS_MERGE_NOTES_JOINED));
}
