// "Save after every change" on the real window. (That later changes are not told again after a failed
// save is DatabaseSessionTest's.)
#include "core/EncryptedDatabase.h"
#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "tests/shell/win32/mainframe/MainFrameFixture.h"

namespace vaultlet {
namespace {

using test::Text;
using test::WaitUntil;

class SaveAfterEveryChangeTest : public test::MainFrameFixture {
protected:
    // Selecting another node stores the note typed for the one before.
    void SelectGroup() const { SelectInTree(Child(Root(), 0)); }
    void SelectDatabase() const { SelectInTree(Root()); }
};

TEST_F(SaveAfterEveryChangeTest, EachStoredChangeIsWrittenAndAFailedWriteIsReported) {
    Settings::Write(setting::kSaveAfterEveryChange, 1);
    Start();
    TypeNote("a");
    SelectGroup();
    EXPECT_TRUE(WaitUntil([&] { return CommentOnDisk(m_path) == "a"; })) << CommentOnDisk(m_path);

    CurrentDatabase::Get()->SetPath(DocumentsFile("missing\\home.kvtdat"));
    SetAnswer(IDOK);
    SelectDatabase();
    TypeNote("b");
    SelectGroup();
    ExpectMessage(Text(IDS_SAVE_FAILED));
    EXPECT_TRUE(ModifiedFlag::IsRaised());

    CurrentDatabase::Get()->SetPath(m_path);
    SelectDatabase();
    TypeNote("c");
    SelectGroup();
    EXPECT_TRUE(WaitUntil([&] { return CommentOnDisk(m_path) == "c"; })) << "saved once the file takes it";
}

} // namespace
} // namespace vaultlet
