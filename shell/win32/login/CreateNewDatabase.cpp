#include "shell/win32/login/CreateNewDatabase.h"

#include "core/NewDatabase.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/win32/login/NewDatabaseDialog.h"
#include "shell/win32/ui/FileDialogs.h"
#include "shell/win32/ui/MessageBoxes.h"

namespace vaultlet {

std::string ChooseNewDatabaseFile(HWND owner) {
    const LanguagePack& language = LanguagePack::Instance();
    FileDialogRequest request;
    request.filters = language.getString(IDS_DATABASE_FILE_FILTER);
    request.proposedName = "Passwords";
    request.defaultExtension = language.getString(IDS_DATABASE_EXTENSION);
    request.options = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    return ChooseFileToSave(owner, request).path;
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
