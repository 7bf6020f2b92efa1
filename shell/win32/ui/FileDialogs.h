#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

namespace vaultlet {

// What a file dialog asks: its filters (written with "%" in place of NUL, as the string table and
// the exchange formats hold them), the name it proposes, the extension it adds to a name typed
// without one (empty: none) and its OFN_ options.
struct FileDialogRequest {
    std::string filters;
    std::string proposedName;
    std::string defaultExtension;
    DWORD options = 0;
};

// What the user chose: the full path (empty when the dialog was cancelled) and the filter that was
// selected, counting from 1 as the system does.
struct FileDialogChoice {
    std::string path;
    int filterIndex = 0;

    bool Chosen() const noexcept { return !path.empty(); }
};

// The system's save-file and open-file dialogs, owned by `owner`, for every file the program writes
// or reads. The dialog runs a modal loop: when it returns, the caller's window may have gone
// through a lock, log-off or hand-over meanwhile and must check its state again.
FileDialogChoice ChooseFileToSave(HWND owner, const FileDialogRequest& request);
FileDialogChoice ChooseFileToOpen(HWND owner, const FileDialogRequest& request);

} // namespace vaultlet
