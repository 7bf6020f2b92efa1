#include "shell/win32/ui/FileDialogs.h"

#include "shell/TextFormat.h"

#include <algorithm>

namespace vaultlet {
namespace {

// The classic path limit: the dialogs' buffers for the full path and for the file's own name.
constexpr std::size_t kPathBufferSize = MAX_PATH;

using DialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);

FileDialogChoice RunFileDialog(HWND owner, const FileDialogRequest& request, DialogFunction run) {
    const std::string filter = FileDialogFilter(request.filters);
    std::string path(kPathBufferSize, '\0');
    path.replace(0, std::min(request.proposedName.size(), kPathBufferSize - 1), request.proposedName);
    std::string title(kPathBufferSize, '\0');

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(kPathBufferSize);
    dialog.lpstrFileTitle = title.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(kPathBufferSize);
    dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    dialog.Flags = request.options;
    if (!run(&dialog)) {
        return {};
    }
    path.resize(std::char_traits<char>::length(path.c_str()));
    return {path, static_cast<int>(dialog.nFilterIndex)};
}

} // namespace

FileDialogChoice ChooseFileToSave(HWND owner, const FileDialogRequest& request) {
    return RunFileDialog(owner, request, GetSaveFileNameA);
}

FileDialogChoice ChooseFileToOpen(HWND owner, const FileDialogRequest& request) {
    return RunFileDialog(owner, request, GetOpenFileNameA);
}

} // namespace vaultlet
