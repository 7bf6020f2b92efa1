// The main window's questions about a database file another copy of the program changed: before a
// save would overwrite the change, when the window comes back to the front (to read the file again,
// or to merge it into unsaved changes), and the other copy's own password.
#include "core/EncryptedDatabase.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/CurrentDatabase.h"
#include "shell/win32/mainframe/OtherCopyPasswordDialog.h"
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

// Shows the question of `stringId` as the program asks it, with its own buttons and icon, and
// answers No to every other question, so that closing the scene asks nothing more. A question with
// more answers than a message box has is the program's own dialog, which shows when the answer is 0.
void ShowOnly(int stringId) {
    MessageBoxes::SetAnswerer([stringId](const std::string& text, UINT flags) {
        const LanguagePack& language = LanguagePack::Instance();
        if (text != language.getString(stringId)) {
            return IDNO;
        }
        if (stringId == IDS_FILE_CHANGED_ON_DISK) {
            return 0;
        }
        const std::string caption = language.getString(IDS_PRODUCT_TITLE);
        return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), flags);
    });
}

// `unsaved`: the open database has changes of its own when the other copy saves.
void RunWithQuestion(Scene& scene, int stringId, UINT trigger, WPARAM wParam, bool unsaved = false) {
    ShowOnly(stringId);
    RunMainWindow(scene, [&scene, trigger, wParam, unsaved](HWND frame) {
        SelectBookshop(frame);
        SaveAnotherCopy(scene);
        // After the other copy's save: reading and writing a database clear the modified flag.
        if (unsaved) {
            CurrentDatabase::Get()->SetComment("Changed here.");
        }
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

const Registration kMergeChangedFile(
    "main-window-merge-changed-file",
    [](Scene& scene) { RunWithQuestion(scene, IDS_MERGE_CHANGED_FILE, MSG_CHECK_FILE_ON_DISK, 0, true); }, 2);

const Registration kOtherCopyPassword("other-copy-password", [](Scene&) {
    OtherCopyPasswordDialog dialog;
    dialog.RunModal(nullptr);
});

} // namespace
} // namespace vaultlet::gallery
