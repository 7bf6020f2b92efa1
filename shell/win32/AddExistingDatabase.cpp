#include "shell/win32/AddExistingDatabase.h"

#include "core/EncryptedDatabase.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/TextFormat.h"
#include "shell/win32/ui/MessageBoxes.h"

#include <commdlg.h>

namespace vaultlet {
namespace {

constexpr std::size_t kPathBufferSize = 260;

} // namespace

std::string AddExistingDatabase(HWND owner, DatabaseList& list) {
    const std::string filter = FileDialogFilter(LanguagePack::Instance().getString(IDS_DATABASE_FILE_FILTER));
    std::string path(kPathBufferSize, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(kPathBufferSize);
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetOpenFileNameA(&dialog)) {
        return {};
    }
    path.resize(std::char_traits<char>::length(path.c_str()));

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
