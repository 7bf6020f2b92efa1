// The program settings dialog, one picture per page, on non-default options so that the pictures
// show the enable rules at work (the tray sub-options greyed, the clipboard time-out live).
#include "tools/gallery/Gallery.h"

#include "shell/Settings.h"
#include "shell/win32/options/SettingsDialog.h"

namespace vaultlet::gallery {
namespace {

void ShowSettings(SettingsDialog::Page page) {
    Settings::Write(setting::kShowTrayIcon, 0);
    Settings::Write(setting::kAutoDestroyTimeout, 25);
    SettingsDialog dialog(page);
    dialog.RunModal(nullptr);
}

const Registration kTray("settings-tray", [](Scene&) { ShowSettings(SettingsDialog::kTrayPage); });
const Registration kView("settings-view", [](Scene&) { ShowSettings(SettingsDialog::kViewPage); });
const Registration kCommon("settings-common", [](Scene&) { ShowSettings(SettingsDialog::kCommonPage); });
const Registration kAutofill("settings-autofill", [](Scene&) { ShowSettings(SettingsDialog::kAutofillPage); });

} // namespace
} // namespace vaultlet::gallery
