// The main window right after a copy: the status bar counts down until the value leaves the clipboard.
#include "tools/gallery/MainWindowScene.h"

#include "resources/resource.h"

#include <commctrl.h>

namespace vaultlet::gallery {
namespace {

// The bookshop's password, copied from the list.
void CopyPassword(HWND frame) {
    SelectBookshop(frame);
    const HWND list = GetDlgItem(frame, IDC_MAIN_LIST);
    const int last = ListView_GetItemCount(list) - 1;
    ListView_SetItemState(list, last, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetFocus(list);
    SendMessageA(frame, WM_COMMAND, ID_EDIT_COPY, 0);
}

const Registration kCountdown("main-window-countdown", [](Scene& scene) { RunMainWindow(scene, CopyPassword); });

} // namespace
} // namespace vaultlet::gallery
