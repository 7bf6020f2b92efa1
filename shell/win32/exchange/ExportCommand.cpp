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

int ShowWithPath(HWND owner, int stringId, const std::string& path, UINT flags) {
    const std::string text = FormatText(LanguagePack::Instance().getString(stringId), {std::string_view(path)});
    return MessageBoxes::Show(owner, text, flags);
}

// Every export format writes the passwords as they are: the user hears so, and may stop, before the
// file exists.
bool ConfirmPlainFile(HWND owner, const std::string& path) {
    return ShowWithPath(owner, IDS_EXPORT_NOT_ENCRYPTED, path, MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2) == IDOK;
}

FileDialogChoice ChooseExportFile(HWND owner, const ExportFormatList& formats) {
    FileDialogRequest request;
    request.filters = formats.JoinFileFilters();
    request.proposedName = "Passwords";
    request.defaultExtension = "xml";
    request.options = OFN_OVERWRITEPROMPT | OFN_SHOWHELP | OFN_NONETWORKBUTTON | OFN_EXPLORER | OFN_ENABLESIZING;
    return ChooseFileToSave(owner, request);
}

void RunExport(HWND owner, const SelectedNode* selection) {
    const EncryptedDatabase* database = CurrentDatabase::Get();
    if (database == nullptr) {
        return;
    }
    const unsigned long generation = CurrentDatabase::Generation();
    const ModelNode* node = selection != nullptr ? (*selection)() : nullptr;
    if (selection != nullptr && node == nullptr) {
        return;
    }
    // The dialogs' message loops keep the main window running: a log-off or hand-over may destroy
    // the database and the node with it, and a lock clears the selection.
    const auto unchanged = [&] {
        return CurrentDatabase::Get() == database && CurrentDatabase::Generation() == generation &&
               (selection == nullptr || (*selection)() == node);
    };

    const ExportFormatList formats;
    const FileDialogChoice choice = ChooseExportFile(owner, formats);
    if (!choice.Chosen() || !unchanged() || !ConfirmPlainFile(owner, choice.path) || !unchanged()) {
        return;
    }
    if (ExportThroughFilter(formats, choice.filterIndex, choice.path, *database, node) == ExportOutcome::Failed) {
        // The user believes a copy exists once the dialog closes: say that it does not.
        ShowWithPath(owner, IDS_EXPORT_FAILED, choice.path, MB_OK | MB_ICONSTOP);
        return;
    }
    // A file of every password in plain text: the user must know where it lies, to keep or remove it.
    ShowWithPath(owner, IDS_EXPORT_WRITTEN, choice.path, MB_OK | MB_ICONINFORMATION);
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
