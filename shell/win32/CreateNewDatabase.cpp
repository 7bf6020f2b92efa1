#include "shell/win32/CreateNewDatabase.h"

#include "core/NewDatabase.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/TextFormat.h"
#include "shell/win32/NewDatabaseDialog.h"
#include "shell/win32/ui/MessageBoxes.h"

#include <commdlg.h>

namespace vaultlet {
namespace {

constexpr const char* kProposedFileName = "Passwords";
constexpr std::size_t kPathBufferSize = 260;

} // namespace

std::string ChooseNewDatabaseFile(HWND owner) {
    const LanguagePack& language = LanguagePack::Instance();
    const std::string filter = FileDialogFilter(language.getString(IDS_DATABASE_FILE_FILTER));
    const std::string extension = language.getString(IDS_DATABASE_EXTENSION);
    std::string path(kPathBufferSize, '\0');
    path.replace(0, std::char_traits<char>::length(kProposedFileName), kProposedFileName);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(kPathBufferSize);
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetSaveFileNameA(&dialog)) {
        return {};
    }
    path.resize(std::char_traits<char>::length(path.c_str()));
    return path;
}

std::unique_ptr<EncryptedDatabase> CreateNewDatabase(HWND owner, DatabaseList& list) {
    const std::string path = ChooseNewDatabaseFile(owner);
    if (path.empty()) {
        return nullptr;
    }
    NewDatabaseDialog dialog(NewDatabase::DefaultName(path));
    if (dialog.RunModal(owner) != IDOK || dialog.Name().empty() || dialog.Password().empty()) {
        return nullptr;
    }
    auto database = NewDatabase::Create(path, dialog.Name(), dialog.Password().Viewed(), dialog.CipherId());
    if (!database->Save()) {
        MessageBoxes::Error(owner, IDS_SAVE_NEW_DATABASE_FAILED);
        return nullptr;
    }
    list.AddFile(path);
    return database;
}

} // namespace vaultlet
