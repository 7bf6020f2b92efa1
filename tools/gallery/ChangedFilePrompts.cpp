// The main window's questions about a database file another copy of the program changed: before a
// save would overwrite the change, and when the window comes back to the front.
#include "core/EncryptedDatabase.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/win32/ui/MessageBoxes.h"
#include "tools/gallery/MainWindowScene.h"

namespace vaultlet::gallery {
namespace {

// Another copy of the program (on a second computer, say) saves the sample database.
void SaveAnotherCopy(const Scene& scene) {
    EncryptedDatabase theirs;
    theirs.SetPassword("sample");
    if (theirs.Load(scene.File("Home.kvtdat")) == LoadResult::Loaded) {
        theirs.SetComment("Changed on the laptop.");
        theirs.Save();
    }
}

// Shows the message box of `stringId` as the program asks it, with its own buttons and icon, and
// answers No to every other question, so that closing the scene asks nothing more.
void ShowOnly(int stringId) {
    MessageBoxes::SetAnswerer([stringId](const std::string& text, UINT flags) {
        const LanguagePack& language = LanguagePack::Instance();
        if (text != language.getString(stringId)) {
            return IDNO;
        }
        const std::string caption = language.getString(IDS_PRODUCT_TITLE);
        return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), flags);
    });
}

void RunWithQuestion(Scene& scene, int stringId, UINT trigger, WPARAM wParam) {
    ShowOnly(stringId);
    RunMainWindow(scene, [&scene, trigger, wParam](HWND frame) {
        SelectBookshop(frame);
        SaveAnotherCopy(scene);
        PostMessageA(frame, trigger, wParam, 0);
    });
    MessageBoxes::SetAnswerer(nullptr);
}

const Registration kSaveOverChangedFile(
    "main-window-file-changed-on-save",
    [](Scene& scene) { RunWithQuestion(scene, IDS_FILE_CHANGED_ON_DISK, WM_COMMAND, ID_FILE_SAVE); }, 2);

const Registration kReloadChangedFile(
    "main-window-reload-changed-file",
    [](Scene& scene) { RunWithQuestion(scene, IDS_RELOAD_CHANGED_FILE, MSG_CHECK_FILE_ON_DISK, 0); }, 2);

} // namespace
} // namespace vaultlet::gallery
