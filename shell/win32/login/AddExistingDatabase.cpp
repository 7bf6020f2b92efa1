#include "shell/win32/login/AddExistingDatabase.h"

#include "core/EncryptedDatabase.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/win32/ui/FileDialogs.h"
#include "shell/win32/ui/MessageBoxes.h"

namespace vaultlet {

std::string AddExistingDatabase(HWND owner, DatabaseList& list) {
    FileDialogRequest request;
    request.filters = LanguagePack::Instance().getString(IDS_DATABASE_FILE_FILTER);
    request.options = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    const std::string path = ChooseFileToOpen(owner, request).path;
    if (path.empty()) {
        return {};
    }

    std::string name;
    int cipherId = 0;
    if (!ProbeFile(path, name, cipherId, list.Files())) {
        MessageBoxes::Error(owner, IDS_INCORRECT_FILE_FORMAT);
        return {};
    }
    list.AddFile(path);
    return path;
}

} // namespace vaultlet
