// The end of the Windows session, told to the real window by the messages Windows sends: the changes
// are written without a question, to the database's file or else to a recovery copy beside it or in
// the user's documents, and the user hears of a copy once the session goes on.
#include "core/EncryptedDatabase.h"
#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/TextFormat.h"
#include "tests/shell/win32/mainframe/MainFrameFixture.h"
#include "tests/support/DatabaseFiles.h"
#include "tests/support/FaultyFileSystem.h"

#include <filesystem>

namespace vaultlet {
namespace {

using test::Text;

class SessionEndTest : public test::MainFrameFixture {
protected:
    // The database lives beside the program, away from the documents, on a disk that can fill up.
    void SetUp() override {
        MainFrameFixture::SetUp();
        m_path = MakeDatabase(ProgramFile("home.kvtdat"), "Home");
        auto database = std::make_unique<EncryptedDatabase>(m_disk);
        database->SetPassword("secret");
        ASSERT_EQ(database->Load(m_path), LoadResult::Loaded);
        CurrentDatabase::Set(std::move(database));
    }

    // Windows asks whether the session may end; the window's answer.
    bool MayEnd() const { return Send(WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP) != FALSE; }
    // The recovery copy the window has not told about yet, when it lies in `folder`.
    static std::string CopyIn(const std::string& folder) {
        const std::string copy = Settings::Read(setting::kRecoveryCopy);
        return std::filesystem::path(copy).parent_path() == std::filesystem::path(folder) ? copy : "";
    }
    static std::string Folder(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }
    std::string Documents() const { return Folder(DocumentsFile("any")); }

    test::FaultyFileSystem m_disk;
};

TEST_F(SessionEndTest, ChangesGoToTheFileOrElseToARecoveryCopyAndNothingIsAsked) {
    Start();
    EXPECT_TRUE(MayEnd()) << "nothing to save";
    TypeNote("saved at the end");
    EXPECT_TRUE(MayEnd());
    EXPECT_EQ(CommentOnDisk(m_path), "saved at the end");
    EXPECT_FALSE(ModifiedFlag::IsRaised());

    // Another copy of the program changed the file: theirs stays, ours goes beside it.
    TypeNote("ours");
    ASSERT_TRUE(test::ChangeDatabaseFile(m_path, [](EncryptedDatabase& theirs) { theirs.SetComment("theirs"); }));
    EXPECT_TRUE(MayEnd());
    EXPECT_EQ(CommentOnDisk(m_path), "theirs");
    const std::string beside = CopyIn(Folder(m_path));
    ASSERT_FALSE(beside.empty()) << Settings::Read(setting::kRecoveryCopy);
    EXPECT_EQ(CommentOnDisk(beside), "ours");
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    EXPECT_TRUE(Messages().empty()) << Messages()[0];
    // The session goes on after all: the user hears of the copy now, not at the next start.
    Send(WM_ENDSESSION, FALSE);
    ExpectMessage(FormatText(Text(IDS_RECOVERY_COPY_WRITTEN), {beside}));
    EXPECT_EQ(Settings::Read(setting::kRecoveryCopy), "");

    // The disk is full: the copy goes to the documents.
    m_disk.FillFolder(Folder(m_path));
    TypeNote("ours on a full disk");
    EXPECT_TRUE(MayEnd());
    const std::string documents = CopyIn(Documents());
    // Windows ends the session: nothing new to write, the copy is told at the next start.
    Send(WM_ENDSESSION, TRUE);
    ASSERT_FALSE(documents.empty()) << Settings::Read(setting::kRecoveryCopy);
    EXPECT_EQ(Settings::Read(setting::kRecoveryCopy), documents);
    EXPECT_EQ(CommentOnDisk(documents), "ours on a full disk");
    m_disk.FillFolder("");

    // The database's folder is gone: the documents again.
    CurrentDatabase::Get()->SetPath(ProgramFile("gone\\home.kvtdat"));
    TypeNote("ours without a folder");
    EXPECT_TRUE(MayEnd());
    const std::string gone = CopyIn(Documents());
    ASSERT_FALSE(gone.empty());
    EXPECT_NE(gone, documents);
    EXPECT_EQ(CommentOnDisk(gone), "ours without a folder");

    // No place takes the changes: Windows is asked not to end the session.
    std::filesystem::remove_all(Documents());
    TypeNote("nowhere to go");
    EXPECT_FALSE(MayEnd());
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    Send(WM_ENDSESSION, FALSE);
    ExpectMessage(FormatText(Text(IDS_RECOVERY_COPY_WRITTEN), {gone}));
    EXPECT_EQ(Messages().size(), 2u) << "nothing asked at any end of the session";
}

} // namespace
} // namespace vaultlet
