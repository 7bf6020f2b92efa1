#include "shell/win32/exchange/ExportCommand.h"

#include "exchange/ExchangeCommands.h"
#include "exchange/ExportFormatList.h"
#include "resources/StringIds.h"
#include "services/LanguagePack.h"
#include "shell/CurrentDatabase.h"
#include "shell/TextFormat.h"
#include "shell/win32/ui/FileDialogs.h"
#include "shell/win32/ui/MessageBoxes.h"

namespace vaultlet {
namespace {

void RunExport(HWND owner, const SelectedNode* selection) {
    const EncryptedDatabase* database = CurrentDatabase::Get();
    if (database == nullptr) {
        return;
    }
    const unsigned long generation = CurrentDatabase::Generation();
    const ModelNode* node = nullptr;
    if (selection != nullptr && (node = (*selection)()) == nullptr) {
        return;
    }

    const ExportFormatList formats;
    FileDialogRequest request;
    request.filters = formats.JoinFileFilters();
    request.proposedName = "Passwords";
    request.defaultExtension = "xml";
    request.options = OFN_OVERWRITEPROMPT | OFN_SHOWHELP | OFN_NONETWORKBUTTON | OFN_EXPLORER | OFN_ENABLESIZING;
    const FileDialogChoice choice = ChooseFileToSave(owner, request);
    if (!choice.Chosen()) {
        return;
    }
    // The dialog's message loop kept the main window running: a log-off or hand-over may have
    // destroyed the database and the node with it, and a lock clears the selection.
    if (CurrentDatabase::Get() != database || CurrentDatabase::Generation() != generation) {
        return;
    }
    if (selection != nullptr && (*selection)() != node) {
        return;
    }

    if (ExportThroughFilter(formats, choice.filterIndex, choice.path, *database, node) == ExportOutcome::Failed) {
        // The user believes a copy exists once the dialog closes: say that it does not.
        const std::string text =
            FormatText(LanguagePack::Instance().getString(IDS_EXPORT_FAILED), {std::string_view(choice.path)});
        MessageBoxes::Show(owner, text, MB_OK | MB_ICONSTOP);
    }
}

} // namespace

void ExportDatabaseCommand(HWND owner) {
    RunExport(owner, nullptr);
}

void ExportItemCommand(HWND owner, const SelectedNode& selection) {
    if (selection) {
        RunExport(owner, &selection);
    }
}

} // namespace vaultlet
