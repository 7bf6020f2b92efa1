#include "shell/win32/exchange/ImportCommand.h"

#include "exchange/ExchangeCommands.h"
#include "exchange/ImportFormatList.h"
#include "exchange/ImportReport.h"
#include "resources/StringIds.h"
#include "services/LanguagePack.h"
#include "shell/CurrentDatabase.h"
#include "shell/win32/ui/FileDialogs.h"
#include "shell/win32/ui/MessageBoxes.h"

namespace vaultlet {
namespace {

// A failure names the format; a merge counts what came in. A file without groups and a cancelled
// choice say nothing.
void ReportImport(HWND owner, const ImportOutcome& outcome) {
    const LanguagePack& language = LanguagePack::Instance();
    switch (outcome.status) {
    case ImportOutcome::Status::Failed:
    case ImportOutcome::Status::TextNotExact: {
        const int format =
            outcome.status == ImportOutcome::Status::Failed ? IDS_IMPORT_FAILED : IDS_IMPORT_TEXT_NOT_EXACT;
        MessageBoxes::Show(owner, FormatImportFailure(language.getString(format), outcome.displayName),
                           MB_OK | MB_ICONSTOP);
        break;
    }
    case ImportOutcome::Status::Merged:
        MessageBoxes::Show(owner, FormatImportCounts(language.getString(IDS_IMPORT_RESULT), outcome.counts),
                           MB_OK | MB_ICONINFORMATION);
        break;
    case ImportOutcome::Status::NoFormat:
    case ImportOutcome::Status::Empty:
        break;
    }
}

} // namespace

bool ImportCommand(HWND owner, const std::function<void()>& rebuildTree) {
    EncryptedDatabase* database = CurrentDatabase::Get();
    if (database == nullptr) {
        return false;
    }
    const unsigned long generation = CurrentDatabase::Generation();

    const ImportFormatList formats;
    FileDialogRequest request;
    request.filters = formats.JoinFileFilters();
    request.options =
        OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_SHOWHELP | OFN_NONETWORKBUTTON | OFN_EXPLORER | OFN_ENABLESIZING;
    const FileDialogChoice choice = ChooseFileToOpen(owner, request);
    if (!choice.Chosen()) {
        return false;
    }
    // A log-off or hand-over during the dialog put another database (or none) in place: merging
    // into it would put the groups into a file the user did not choose.
    if (CurrentDatabase::Get() != database || CurrentDatabase::Generation() != generation) {
        return false;
    }

    const ImportOutcome outcome = ImportThroughFilter(formats, choice.filterIndex, choice.path, *database);
    if (outcome.status == ImportOutcome::Status::Merged && rebuildTree) {
        rebuildTree();
    }
    ReportImport(owner, outcome);
    return outcome.status == ImportOutcome::Status::Merged;
}

} // namespace vaultlet
