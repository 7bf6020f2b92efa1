#include "shell/UserGuidePages.h"

#include "resources/resource.h"

#include <array>
#include <utility>

namespace vaultlet::user_guide {
namespace {

constexpr std::array<std::pair<int, std::string_view>, 22> kDialogPages = {{
    {IDD_LOGIN, "login.html"},
    {IDD_NEW_DATABASE, "new-database.html"},
    {IDD_MANAGE_DATABASES, "database-list.html"},
    {IDD_SEARCH_DATABASES, "database-list.html#search"},
    {IDD_CHANGE_MASTER_PASSWORD, "master-password.html"},
    {IDD_DATABASE_SETTINGS, "database-settings.html"},
    {IDD_SETTINGS, "settings.html"},
    {IDD_INSTALL_REMOVABLE, "portable-copy.html"},
    {IDD_EDIT_NAME, "name-dialog.html"},
    {IDD_EDIT_PASSCARD, "passcard-dialog.html"},
    {IDD_EDIT_FIELD, "field-dialog.html"},
    {IDD_SELECT_ICON, "icon-dialog.html"},
    {IDD_AUTOFILL_PASSCARD, "autofill-hot-key.html#chooser"},
    {IDD_PASSWORD_GENERATOR, "password-generator.html"},
    {IDD_ABOUT, "about.html"},
    {IDD_NEW_VERSION, "update-check.html"},
    {IDD_UPDATE_WAIT, "update-check.html"},
    {IDD_PASSWORD_HEALTH, "password-health.html"},
    {IDD_CHANGED_FILE, "synced-folders.html#on-save"},
    {IDD_OTHER_COPY_PASSWORD, "synced-folders.html#merge"},
    {IDD_FIND, "find.html"},
    {IDD_NEW_LOGIN, "new-login.html"},
}};

} // namespace

std::string_view PageOfDialog(int dialogTemplateId) {
    for (const auto& [id, page] : kDialogPages) {
        if (id == dialogTemplateId) {
            return page;
        }
    }
    return kStartPage;
}

} // namespace vaultlet::user_guide
