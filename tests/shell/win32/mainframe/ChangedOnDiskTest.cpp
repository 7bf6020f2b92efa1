// What each answer does is DatabaseSessionTest's; here the answers reach it.
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

class ChangedOnDiskTest : public test::MainFrameFixture {
protected:
    // Another copy of the program saves the file with a comment and a database name of its own.
    bool TheirsSaved(const char* comment, const char* name = "Home") const {
        return test::ChangeDatabaseFile(m_path, [&](EncryptedDatabase& theirs) {
            theirs.SetComment(comment);
            theirs.SetName(name);
        });
    }
    // The user minimises the window to the tray and brings it back from there.
    void MinimizeAndRestore() const {
        Send(WM_SYSCOMMAND, SC_MINIMIZE);
        ASSERT_FALSE(IsWindowVisible(m_frame));
        Send(WM_COMMAND, ID_TRAY_SHOW_WINDOW);
    }
};

TEST_F(ChangedOnDiskTest, EachAnswerToSavingOverAnotherCopysChangeReachesTheSession) {
    Start();
    TypeNote("ours");
    ASSERT_TRUE(TheirsSaved("theirs"));
    SetAnswer(IDCANCEL);
    Send(WM_COMMAND, ID_FILE_SAVE);
    ExpectMessage(Text(IDS_FILE_CHANGED_ON_DISK));
    EXPECT_EQ(CommentOnDisk(m_path), "theirs");
    EXPECT_TRUE(ModifiedFlag::IsRaised());

    SetAnswer(IDC_CHANGED_FILE_OVERWRITE);
    Send(WM_COMMAND, ID_FILE_SAVE);
    ExpectMessage(Text(IDS_FILE_CHANGED_ON_DISK));
    EXPECT_EQ(CommentOnDisk(m_path), "ours");
    EXPECT_FALSE(ModifiedFlag::IsRaised());

    TypeNote("ours merged");
    ASSERT_TRUE(test::ChangeDatabaseFile(
        m_path, [](EncryptedDatabase& theirs) { theirs.Add(std::make_unique<Group>("Travel")); }));
    SetAnswer(IDC_CHANGED_FILE_MERGE);
    Send(WM_COMMAND, ID_FILE_SAVE);
    ExpectMessage(Text(IDS_FILE_CHANGED_ON_DISK));
    MergeReport report;
    report.added = 1;
    ExpectMessage(MergeReportText(report));
    EXPECT_EQ(CommentOnDisk(m_path), "ours merged");
    EXPECT_EQ(TreeText(Child(Root(), 5)), "Travel");

    TypeNote("ours again");
    ASSERT_TRUE(TheirsSaved("theirs again"));

    SetAnswer(IDC_CHANGED_FILE_SAVE_AS);
    Command(ID_FILE_SAVE);
    ExpectMessage(Text(IDS_FILE_CHANGED_ON_DISK));
    const HWND dialog = m_run->WaitForDialogWhere(test::IsFileDialog);
    ASSERT_NE(dialog, nullptr);
    const std::string copy = DocumentsFile("copy.kvtdat");
    test::TypeFileName(dialog, copy);
    ASSERT_TRUE(WaitUntil([&] { return CurrentDatabase::Get()->Path() == copy; }));
    // The window takes the new path before its save has written the file.
    EXPECT_TRUE(WaitUntil([&] { return CommentOnDisk(copy) == "ours again"; })) << CommentOnDisk(copy);
    EXPECT_EQ(CommentOnDisk(m_path), "theirs again");
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), std::vector<std::string>{copy}) << "the copy is listed";
}

// That each version of the file is offered once is DatabaseSessionTest's.
TEST_F(ChangedOnDiskTest, ComingBackToTheWindowOffersToReloadTheChangedFile) {
    Start();
    ASSERT_TRUE(TheirsSaved("theirs", "Theirs"));
    SetAnswer(IDNO);
    MinimizeAndRestore();
    ExpectMessage(Text(IDS_RELOAD_CHANGED_FILE));
    EXPECT_EQ(TreeText(Root()), "Home");

    // A newer version is offered again; Yes shows it.
    SetAnswer(IDYES);
    ASSERT_TRUE(TheirsSaved("theirs again", "Theirs again"));
    MinimizeAndRestore();
    ExpectMessage(Text(IDS_RELOAD_CHANGED_FILE));
    ASSERT_TRUE(WaitUntil([&] { return TreeText(Root()) == "Theirs again"; }));
    EXPECT_FALSE(ModifiedFlag::IsRaised());
}

TEST_F(ChangedOnDiskTest, ComingBackWithUnsavedChangesOffersToMergeAndShowsWhatCameFromTheOther) {
    Start();
    TypeNote("ours");
    ASSERT_TRUE(test::ChangeDatabaseFile(
        m_path, [](EncryptedDatabase& theirs) { theirs.Add(std::make_unique<Group>("Travel")); }));
    SetAnswer(IDYES);
    MinimizeAndRestore();
    ExpectMessage(Text(IDS_MERGE_CHANGED_FILE));
    MergeReport report;
    report.added = 1;
    ExpectMessage(MergeReportText(report));
    EXPECT_TRUE(WaitUntil([&] { return TreeText(Child(Root(), 5)) == "Travel"; }));
    EXPECT_EQ(CommentOnDisk(m_path), "ours");
}

} // namespace
} // namespace vaultlet
