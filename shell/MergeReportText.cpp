#include "shell/MergeReportText.h"

#include "resources/StringIds.h"
#include "services/LanguagePack.h"
#include "shell/TextFormat.h"

namespace vaultlet {

std::string MergeReportText(const MergeReport& report) {
    const LanguagePack& language = LanguagePack::Instance();
    std::string text = FormatText(language.getString(IDS_MERGE_DONE),
                                  {std::to_string(report.added), std::to_string(report.removed),
                                   std::to_string(report.changed), std::to_string(report.otherCopies)});
    const std::pair<bool, int> lines[] = {
        {report.otherName, IDS_MERGE_OTHER_NAME},         {report.otherImage, IDS_MERGE_OTHER_ICON},
        {report.otherCipher, IDS_MERGE_OTHER_CIPHER},     {report.otherKeyIterations, IDS_MERGE_OTHER_ITERATIONS},
        {report.otherPassword, IDS_MERGE_OTHER_PASSWORD}, {report.notesJoined, IDS_MERGE_NOTES_JOINED},
    };
    for (const auto& [shown, stringId] : lines) {
        if (shown) {
            text += "\n" + language.getString(stringId);
        }
    }
    return text;
}

} // namespace vaultlet
