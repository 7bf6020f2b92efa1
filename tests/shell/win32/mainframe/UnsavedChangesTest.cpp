// The status bar's part that tells unsaved changes, and "Save after every change" on the real window.
#include "core/EncryptedDatabase.h"
#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/mainframe/StatusBar.h"
#include "tests/shell/win32/mainframe/MainFrameFixture.h"

namespace vaultlet {
namespace {

using test::Text;
using test::WaitUntil;

class UnsavedChangesTest : public test::MainFrameFixture {
protected:
    std::string UnsavedPart() const {
        char text[256] = {};
        SendMessageA(GetDlgItem(m_frame, IDC_MAIN_STATUS), SB_GETTEXTA, StatusBar::kUnsavedPart,
                     reinterpret_cast<LPARAM>(text));
        return text;
    }
    // Types at the end of the note, key by key, as the user would.
    void TypeIntoNote(const std::string& text) const {
        const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthA(m_note));
        SendMessageA(m_note, EM_SETSEL, end, static_cast<LPARAM>(end));
        for (const char c : text) {
            SendMessageA(m_note, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 0);
        }
    }
    // Selecting another node stores the note typed for the one before.
    void SelectGroup() const { SelectInTree(Child(Root(), 0)); }
    void SelectDatabase() const { SelectInTree(Root()); }
};

TEST_F(UnsavedChangesTest, TheStatusBarFollowsTheSavesAndSavingAfterEachChangeReportsAFailure) {
    Start();
    EXPECT_EQ(UnsavedPart(), "");
    TypeIntoNote("a");
    EXPECT_EQ(UnsavedPart(), Text(IDS_STATUS_UNSAVED_CHANGES)) << "typed, not yet stored";
    Send(WM_COMMAND, ID_FILE_SAVE);
    EXPECT_TRUE(WaitUntil([&] { return UnsavedPart().empty(); }));

    Settings::Write(setting::kSaveAfterEveryChange, 1);
    TypeIntoNote("b");
    SelectGroup();
    EXPECT_TRUE(WaitUntil([&] { return CommentOnDisk(m_path) == "ab"; })) << CommentOnDisk(m_path);
    EXPECT_TRUE(WaitUntil([&] { return UnsavedPart().empty(); }));

    // The file cannot be written: the user is told. (That later changes are not told again is
    // DatabaseSessionTest's.)
    CurrentDatabase::Get()->SetPath(DocumentsFile("missing\\home.kvtdat"));
    SetAnswer(IDOK);
    SelectDatabase();
    TypeIntoNote("c");
    SelectGroup();
    ExpectMessage(Text(IDS_SAVE_FAILED));
    EXPECT_EQ(UnsavedPart(), Text(IDS_STATUS_UNSAVED_CHANGES));

    CurrentDatabase::Get()->SetPath(m_path);
    SelectDatabase();
    TypeIntoNote("d");
    SelectGroup();
    EXPECT_TRUE(WaitUntil([&] { return CommentOnDisk(m_path) == "abcd"; })) << "saved once the file takes it";
    EXPECT_TRUE(WaitUntil([&] { return UnsavedPart().empty(); }));
}

} // namespace
} // namespace vaultlet
