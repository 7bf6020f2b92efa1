#include "shell/win32/login/ManageDatabaseListDialog.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/win32/GuiDriver.h"

#include <commctrl.h>

namespace vaultlet {
namespace {

using test::Click;
using test::IsItemEnabled;
using Paths = std::vector<std::string>;

bool IsManage(HWND window) {
    return test::HasControl(window, IDC_MANAGEDB_LIST);
}

// Rows of the list as "name|path"; the test runs in the dialog's process, so the texts can be asked
// for directly.
std::vector<std::string> Rows(HWND dialog) {
    const HWND list = GetDlgItem(dialog, IDC_MANAGEDB_LIST);
    std::vector<std::string> rows;
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
        rows.push_back(test::ListViewText(list, row, 0) + "|" + test::ListViewText(list, row, 1));
    }
    return rows;
}

void SelectRow(HWND dialog, int row) {
    const HWND list = GetDlgItem(dialog, IDC_MANAGEDB_LIST);
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

class ManageDatabaseListDialogTest : public test::ShellGuiFixture {
protected:
    HWND Start() {
        m_dialog = std::make_unique<ManageDatabaseListDialog>(Folders());
        m_run = std::make_unique<test::ModalThread>([this] { return m_dialog->RunModal(nullptr); });
        return m_run->WaitForDialogWhere(IsManage);
    }
    void TearDown() override {
        m_run.reset();
        m_dialog.reset();
        ShellGuiFixture::TearDown();
    }
    static std::string Row(const std::string& name, const std::string& path) { return name + "|" + path; }

    std::unique_ptr<ManageDatabaseListDialog> m_dialog;
    std::unique_ptr<test::ModalThread> m_run;
};

TEST_F(ManageDatabaseListDialogTest, ListsEveryDatabaseWithItsPlaceAndRemovesOnlyThoseElsewhere) {
    const std::string local = MakeDatabase(ProgramFile("local.kvtdat"), "Local");
    const std::string home = MakeDatabase(DocumentsFile("home.kvtdat"), "Home");
    const std::string work = MakeDatabase(DocumentsFile("work.kvtdat"), "Work");
    Settings::WriteList(setting::kDataBaseList, {home, work});
    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Rows(window), (Paths{Row("Local", local), Row("Home", home), Row("Work", work)}));

    SelectRow(window, 0);
    EXPECT_FALSE(IsItemEnabled(window, IDC_MANAGEDB_REMOVE)) << "the file beside the program stays";
    SelectRow(window, 1);
    ASSERT_TRUE(IsItemEnabled(window, IDC_MANAGEDB_REMOVE));

    SetAnswer(IDNO);
    Click(window, IDC_MANAGEDB_REMOVE);
    ASSERT_TRUE(WaitForMessages(1));
    EXPECT_EQ(Messages()[0], "Are you sure want to remove database \"Home\" from list?");
    EXPECT_EQ(Rows(window).size(), 3u) << "No keeps it";

    SetAnswer(IDYES);
    Click(window, IDC_MANAGEDB_REMOVE);
    ASSERT_TRUE(test::WaitUntil([&] { return Rows(window).size() == 2; }));
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), (Paths{local, work}));
    Click(window, IDOK);
    ASSERT_TRUE(m_run->WaitForEnd());
    EXPECT_EQ(m_run->Result(), IDOK);
}

// Clear All keeping the file beside the program is driven on the real program: LoginFlowTest.
TEST_F(ManageDatabaseListDialogTest, AddTakesDatabasesAndRefusesOtherFilesAndSearchAddsTheOthersFound) {
    const std::string home = MakeDatabase(DocumentsFile("home.kvtdat"), "Home");
    const std::string found = MakeDatabase(DocumentsFile("found.kvtdat"), "Found");
    const std::string text = DocumentsFile("notes.kvtdat");
    ASSERT_TRUE(test::WriteFileBytes(text, std::string(200, 'n')));
    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Rows(window).empty());

    Click(window, IDC_MANAGEDB_ADD);
    HWND open = m_run->WaitForDialogWhere(test::IsFileDialog);
    ASSERT_NE(open, nullptr);
    test::TypeFileName(open, text);
    ASSERT_TRUE(WaitForMessages(1));
    EXPECT_EQ(Messages()[0], LanguagePack::Instance().getString(IDS_INCORRECT_FILE_FORMAT));
    EXPECT_TRUE(Rows(window).empty());

    Click(window, IDC_MANAGEDB_ADD);
    open = m_run->WaitForDialogWhere(test::IsFileDialog);
    ASSERT_NE(open, nullptr);
    test::TypeFileName(open, home);
    ASSERT_TRUE(test::WaitUntil([&] { return Rows(window).size() == 1; }));
    EXPECT_EQ(Rows(window), Paths{Row("Home", home)});
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), Paths{home});

    Click(window, IDC_MANAGEDB_SEARCH);
    ASSERT_TRUE(test::WaitUntil([&] { return Rows(window).size() == 2; }));
    EXPECT_EQ(Rows(window), (Paths{Row("Home", home), Row("Found", found)}));
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), (Paths{home, found}));
    Click(window, IDOK);
    ASSERT_TRUE(m_run->WaitForEnd());
}

} // namespace
} // namespace vaultlet
