// The program settings dialog, one picture per page, on non-default options so that the pictures
// show the enable rules at work (the tray sub-options greyed, the clipboard time-out live).
#include "tests/gallery/Gallery.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/Settings.h"
#include "shell/win32/SettingsDialog.h"

#include <commctrl.h>

namespace vaultlet::gallery {
namespace {

void ShowSettings(Scene& scene, int page, const char* language = "English") {
    LanguagePack::Instance().setLanguage(language);
    Settings::Write(setting::kShowTrayIcon, 0);
    Settings::Write(setting::kAutoDestroyTimeout, 25);
    scene.Later([page](HWND dialog) {
        const HWND tabs = GetDlgItem(dialog, IDC_SETTINGS_TABS);
        SendMessageA(tabs, TCM_SETCURSEL, page, 0);
        NMHDR change{tabs, IDC_SETTINGS_TABS, TCN_SELCHANGE};
        SendMessageA(dialog, WM_NOTIFY, IDC_SETTINGS_TABS, reinterpret_cast<LPARAM>(&change));
    });
    SettingsDialog dialog;
    dialog.RunModal(nullptr);
}

const Registration kTray("settings-tray", [](Scene& scene) { ShowSettings(scene, 0); });
const Registration kView("settings-view", [](Scene& scene) { ShowSettings(scene, 1); });
const Registration kCommon("settings-common", [](Scene& scene) { ShowSettings(scene, 2); });
const Registration kAutofill("settings-autofill", [](Scene& scene) { ShowSettings(scene, 3); });
const Registration kTrayRussian("settings-tray-ru", [](Scene& scene) { ShowSettings(scene, 0, "Russian"); });
const Registration kAutofillRussian("settings-autofill-ru", [](Scene& scene) { ShowSettings(scene, 3, "Russian"); });

} // namespace
} // namespace vaultlet::gallery
