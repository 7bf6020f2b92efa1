// The main window when another copy of the program changed the open database's file: a save asks
// before overwriting it, and coming back to the window with unsaved changes offers to merge it. What
// each answer does is DatabaseSessionTest's; here the answers reach it.
#include "core/EncryptedDatabase.h"
#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/MergeReportText.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "tests/shell/win32/mainframe/MainFrameFixture.h"
#include "tests/support/DatabaseFiles.h"

namespace vaultlet {
namespace {

using test::Text;
using test::WaitUntil;

class ChangedOnDiskTest : public test::MainFrameFixture {};

// Reloading on return, and Overwrite and Merge at a save, are MainWindowTest's (tests/e2e).
TEST_F(ChangedOnDiskTest, CancelKeepsTheirsAndSaveAsWritesACopyThatIsListed) {
    Start();
    TypeNote("ours");
    ASSERT_TRUE(test::ChangeDatabaseFile(m_path, [](EncryptedDatabase& theirs) { theirs.SetComment("theirs"); }));
    SetAnswer(IDCANCEL);
    Send(WM_COMMAND, ID_FILE_SAVE);
    ExpectMessage(Text(IDS_FILE_CHANGED_ON_DISK));
    EXPECT_EQ(CommentOnDisk(m_path), "theirs");
    EXPECT_TRUE(ModifiedFlag::IsRaised());

    SetAnswer(IDC_CHANGED_FILE_SAVE_AS);
    Command(ID_FILE_SAVE);
    ExpectMessage(Text(IDS_FILE_CHANGED_ON_DISK));
    const HWND dialog = m_run->WaitForDialogWhere(test::IsFileDialog);
    ASSERT_NE(dialog, nullptr);
    const std::string copy = DocumentsFile("copy.kvtdat");
    test::TypeFileName(dialog, copy);
    ASSERT_TRUE(WaitUntil([&] { return CurrentDatabase::Get()->Path() == copy; }));
    // The window takes the new path before its save has written the file.
    EXPECT_TRUE(WaitUntil([&] { return CommentOnDisk(copy) == "ours"; })) << CommentOnDisk(copy);
    EXPECT_EQ(CommentOnDisk(m_path), "theirs");
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), std::vector<std::string>{copy}) << "the copy is listed";
}

TEST_F(ChangedOnDiskTest, ComingBackWithUnsavedChangesOffersToMergeAndShowsWhatCameFromTheOther) {
    Start();
    TypeNote("ours");
    ASSERT_TRUE(test::ChangeDatabaseFile(
        m_path, [](EncryptedDatabase& theirs) { theirs.Add(std::make_unique<Group>("Travel")); }));
    SetAnswer(IDYES);
    Send(WM_SYSCOMMAND, SC_MINIMIZE);
    ASSERT_FALSE(IsWindowVisible(m_frame));
    Send(WM_COMMAND, ID_TRAY_SHOW_WINDOW);
    ExpectMessage(Text(IDS_MERGE_CHANGED_FILE));
    MergeReport report;
    report.added = 1;
    ExpectMessage(MergeReportText(report));
    EXPECT_TRUE(WaitUntil([&] { return TreeText(Child(Root(), 5)) == "Travel"; }));
    EXPECT_EQ(CommentOnDisk(m_path), "ours");
}

} // namespace
} // namespace vaultlet
