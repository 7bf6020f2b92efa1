// What an update check shows: the window while a check the user asked for runs, and a found version.
#include "tools/gallery/Gallery.h"

#include "shell/win32/update/NewVersionDialog.h"
#include "shell/win32/update/UpdateWaitWindow.h"

namespace vaultlet::gallery {
namespace {

const Registration kNewVersion("new-version", [](Scene&) {
    NewVersionDialog dialog({"2.4.0", "https://example.org/download",
                             "Version 2.4.0\n"
                             "- Auto-fill finds login forms of more browsers.\n"
                             "- The password generator can leave out look-alike characters.\n"
                             "- Exports keep the icons of groups and passcards.\n"
                             "\n"
                             "Version 2.3.2\n"
                             "- Locking from the tray icon no longer asks twice to save.\n"});
    dialog.RunModal(nullptr);
});

const Registration kUpdateWait("update-wait", [](Scene&) {
    UpdateWaitWindow window;
    const HWND handle = window.CreateModeless(nullptr);
    MSG message;
    while (IsWindow(handle) && GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
});

} // namespace
} // namespace vaultlet::gallery
