// Where a recovery copy goes is DatabaseSessionTest's.
#include "core/EncryptedDatabase.h"
#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/TextFormat.h"
#include "tests/shell/win32/mainframe/MainFrameFixture.h"

#include <filesystem>

namespace vaultlet {
namespace {

using test::Text;

class SessionEndTest : public test::MainFrameFixture {
protected:
    // Windows asks whether the session may end; the window's answer.
    bool MayEnd() const { return Send(WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP) != FALSE; }
    std::string Documents() const { return std::filesystem::path(DocumentsFile("any")).parent_path().string(); }
};

TEST_F(SessionEndTest, ChangesGoToTheFileOrElseToARecoveryCopyAndNothingIsAsked) {
    Start();
    // Ended without being asked first: saved all the same, but only when the session really ends.
    TypeNote("at shutdown");
    Send(WM_ENDSESSION, FALSE);
    EXPECT_EQ(CommentOnDisk(m_path), "");
    Send(WM_ENDSESSION, TRUE);
    EXPECT_EQ(CommentOnDisk(m_path), "at shutdown");

    // Asked first, with the database's folder gone: the changes go to a copy in the documents. (Its
    // name at the next start is MainWindowTest's, in tests/e2e.)
    CurrentDatabase::Get()->SetPath(ProgramFile("gone\\home.kvtdat"));
    TypeNote("ours without a folder");
    EXPECT_TRUE(MayEnd());
    const std::string copy = Settings::Read(setting::kRecoveryCopy);
    ASSERT_EQ(std::filesystem::path(copy).parent_path(), std::filesystem::path(Documents())) << copy;
    EXPECT_EQ(CommentOnDisk(copy), "ours without a folder");
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    EXPECT_TRUE(Messages().empty()) << Messages()[0];
    // The session goes on after all: the user hears of the copy now, not at the next start.
    Send(WM_ENDSESSION, FALSE);
    ExpectMessage(FormatText(Text(IDS_RECOVERY_COPY_WRITTEN), {copy}));
    EXPECT_EQ(Settings::Read(setting::kRecoveryCopy), "");

    // No place takes the changes: Windows is asked not to end the session.
    std::filesystem::remove_all(Documents());
    TypeNote("nowhere to go");
    EXPECT_FALSE(MayEnd());
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    EXPECT_EQ(Messages().size(), 1u) << "nothing asked at any end of the session";
}

} // namespace
} // namespace vaultlet
