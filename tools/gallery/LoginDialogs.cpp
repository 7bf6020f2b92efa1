// The dialogs of the login: the login itself in its usual states, the new-database, database-list,
// search and About dialogs, and the message a database file that cannot be read gets.
#include "tools/gallery/Gallery.h"

#include "resources/resource.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/login/LoginDialog.h"
#include "shell/win32/login/ManageDatabaseListDialog.h"
#include "shell/win32/login/NewDatabaseDialog.h"
#include "shell/win32/login/SearchDatabasesDialog.h"
#include "shell/win32/options/AboutDialog.h"
#include "shell/win32/ui/MessageBoxes.h"

#include <filesystem>

namespace vaultlet::gallery {
namespace {

constexpr UINT kNeverMilliseconds = 10 * 60 * 1000;

DatabaseFolders FoldersOf(const Scene& scene) {
    std::filesystem::create_directories(scene.File("program"));
    DatabaseFolders folders;
    folders.executableFolder = scene.File("program");
    folders.searchFolders = {folders.executableFolder};
    return folders;
}

// A list as a user who keeps three databases would have it.
void ThreeDatabases(const Scene& scene) {
    std::filesystem::create_directories(scene.File("program"));
    scene.MakeDatabase("program\\passwords_db.kvtdat", "Portable");
    const std::string home = scene.MakeDatabase("Home.kvtdat", "Home");
    const std::string work = scene.MakeDatabase("Work accounts.kvtdat", "Work");
    Settings::WriteList(setting::kDataBaseList, {home, work});
    Settings::Write(setting::kLastSelected, home);
}

void RunLogin(Scene& scene, LoginDialog::Options options) {
    Settings::Write(setting::kShowTrayIcon, 0);
    LoginDialog login(std::move(options), FoldersOf(scene));
    login.RunModal(nullptr);
}

const Registration kLogin("login", [](Scene& scene) {
    ThreeDatabases(scene);
    RunLogin(scene, {});
});

const Registration kLoginFirstStart("login-first-start", [](Scene& scene) {
    // A stored entry that no longer exists: no search, and nothing left to offer but "<New...>".
    Settings::WriteList(setting::kDataBaseList, {scene.File("gone.kvtdat")});
    RunLogin(scene, {});
});

const Registration kLoginHandedOver("login-handed-over", [](Scene& scene) {
    ThreeDatabases(scene);
    LoginDialog::Options options;
    options.fileToOpen = scene.File("Work accounts.kvtdat");
    options.fileGiven = true;
    RunLogin(scene, std::move(options));
});

const Registration kLoginWithKeyboard(
    "login-with-keyboard",
    [](Scene& scene) {
        ThreeDatabases(scene);
        scene.Later([](HWND login) {
            SendMessageA(login, WM_COMMAND, MAKEWPARAM(IDC_LOGIN_KEYBOARD, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(login, IDC_LOGIN_KEYBOARD)));
        });
        RunLogin(scene, {});
    },
    2);

const Registration kNewDatabase("new-database", [](Scene&) {
    NewDatabaseDialog dialog("Passwords");
    dialog.RunModal(nullptr);
});

const Registration kManageDatabases("manage-databases", [](Scene& scene) {
    ThreeDatabases(scene);
    ManageDatabaseListDialog dialog(FoldersOf(scene));
    dialog.RunModal(nullptr);
});

const Registration kSearchDatabases("search-databases", [](Scene& scene) {
    DatabaseList list(FoldersOf(scene));
    SearchDatabasesDialog dialog(list, kNeverMilliseconds);
    dialog.RunModal(nullptr);
});

const Registration kAbout("about", [](Scene&) {
    AboutDialog dialog;
    dialog.RunModal(nullptr);
});

const Registration kUnreadableMessage("message-unreadable-database",
                                      [](Scene&) { MessageBoxes::Error(nullptr, IDS_DATABASE_UNREADABLE); });

} // namespace
} // namespace vaultlet::gallery
