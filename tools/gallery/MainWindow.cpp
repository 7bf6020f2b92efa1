// The main window with a small database as a user keeps one, and the hot key's auto-fill chooser over
// the same database.
#include "tools/gallery/MainWindowScene.h"

#include "core/Group.h"
#include "core/Item.h"
#include "core/NewDatabase.h"
#include "core/Passcard.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/autofill/AutofillPasscardDialog.h"
#include "shell/win32/mainframe/MainFrame.h"
#include "shell/win32/ui/WindowDpi.h"

#include <commctrl.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vaultlet::gallery {
namespace {

void AddPasscard(Group& group, const char* name, std::initializer_list<std::pair<ItemType, const char*>> items) {
    auto passcard = std::make_unique<Passcard>();
    passcard->SetName(name);
    for (const auto& [type, value] : items) {
        auto item = std::make_unique<Item>();
        item->ApplyTypeDefaults(type);
        item->SetValue(value);
        passcard->Add(std::move(item));
    }
    group.Add(std::move(passcard));
}

// The database of someone who has just started to fill in the default groups.
void OpenSampleDatabase(const Scene& scene) {
    auto database = NewDatabase::Create(scene.File("Home.kvtdat"), "Home", "sample", 1);
    database->SetKeyIterations(50);
    Group& internet = *database->At(1);
    AddPasscard(internet, "Bookshop",
                {{ItemType::Url, "https://books.example.org"},
                 {ItemType::Login, "reader42"},
                 {ItemType::Password, "Tq8-vorb-Lxe2"}});
    AddPasscard(internet, "Forum", {{ItemType::Login, "quillmoth"}, {ItemType::Password, "n0t-a-real-one"}});
    AddPasscard(*database->At(2), "Personal mail", {{ItemType::Mail, "me@example.org"}, {ItemType::Password, "x"}});
    AddPasscard(*database->At(3), "Savings",
                {{ItemType::CardNumber, "4000 0000 0000 0002"}, {ItemType::Password, "1234"}});
    database->At(1)->At(0)->SetComment("Member since 2019.\nThe password was changed in March.");
    database->Save();
    CurrentDatabase::Set(std::move(database));
}

DatabaseFolders FoldersOf(const Scene& scene) {
    std::filesystem::create_directories(scene.File("program"));
    return DatabaseFolders{scene.File("program"), {scene.File("program")}, false, scene.File("program")};
}

} // namespace

void RunMainWindow(Scene& scene, std::function<void(HWND)> step) {
    OpenSampleDatabase(scene);
    scene.Later(std::move(step));
    MainFrame frame(nullptr, FoldersOf(scene));
    if (frame.Create(SW_SHOW)) {
        frame.Run();
    }
    CurrentDatabase::Reset();
}

void SelectBookshop(HWND frame) {
    const HWND tree = GetDlgItem(frame, IDC_MAIN_TREE);
    const HTREEITEM internet = TreeView_GetNextSibling(tree, TreeView_GetChild(tree, TreeView_GetRoot(tree)));
    TreeView_SelectItem(tree, TreeView_GetChild(tree, internet));
}

namespace {

// A first start (nothing stored) opens the window as much larger than at 100 % as the scaling makes
// its text: 1.5 times at 150 %.
std::vector<std::string> OpensAtTheScaledDefaultSize(HWND frame) {
    const DpiScale dpi = WindowDpi::Of(frame);
    RECT place{};
    GetWindowRect(frame, &place);
    const SIZE wanted{dpi.Scale(MainFrame::kDefaultWidth), dpi.Scale(MainFrame::kDefaultHeight)};
    const SIZE size{place.right - place.left, place.bottom - place.top};
    if (size.cx == wanted.cx && size.cy == wanted.cy) {
        return {};
    }
    return {"the main window opens at " + std::to_string(size.cx) + " x " + std::to_string(size.cy) + " pixels, not " +
            std::to_string(wanted.cx) + " x " + std::to_string(wanted.cy)};
}

const Registration kMainWindow(
    "main-window", [](Scene& scene) { RunMainWindow(scene, SelectBookshop); }, 1, OpensAtTheScaledDefaultSize);

const Registration kCompact("main-window-compact", [](Scene& scene) {
    Settings::Write(setting::kCompactMode, 1);
    RunMainWindow(scene, SelectBookshop);
});

// The chooser as the hot key opens it over a browser's sign-in page that the bookshop's passcard
// was last typed into.
const Registration kAutofillChooser("autofill-chooser", [](Scene& scene) {
    OpenSampleDatabase(scene);
    EncryptedDatabase& database = *CurrentDatabase::Get();
    for (Group* group : {database.At(1), database.At(2)}) {
        for (std::size_t i = 0; i < group->Count(); ++i) {
            static_cast<Passcard*>(group->At(i))->SetUseAutofill(true);
        }
    }
    const HWND browser = CreateWindowExA(0, "Static", "Sign in - Bookshop", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                         GetModuleHandleA(nullptr), nullptr);
    static_cast<Passcard*>(database.At(1)->At(0))->SetWindow("Sign in - Bookshop");
    AutofillPasscardDialog chooser(browser, database);
    chooser.RunModal(nullptr);
    DestroyWindow(browser);
    CurrentDatabase::Reset();
});

} // namespace
} // namespace vaultlet::gallery
