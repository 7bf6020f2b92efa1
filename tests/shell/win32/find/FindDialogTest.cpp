// What is found where is NodeFinderTest's.
#include "shell/win32/find/FindDialog.h"

#include "core/EncryptedDatabase.h"
#include "core/Group.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "tests/shell/win32/mainframe/MainFrameFixture.h"
#include "tests/support/SampleDatabases.h"
#include "tests/support/win32/GuiDriver.h"

#include <commctrl.h>

namespace vaultlet {
namespace {

using test::SetItemTextOf;
using test::WaitUntil;

bool IsFind(HWND window) {
    return test::HasControl(window, IDC_FIND_LIST);
}

using FindDialogTest = test::MainFrameFixture;

TEST_F(FindDialogTest, ListsWhatHoldsTheTextAndEnterSelectsTheFirstInTheMainWindow) {
    // Besides the fixture's Internet / Mail (login me@example.org, hidden password s3cret).
    CurrentDatabase::Get()->At(3)->Add(test::MakePasscard("Example Bank", {{ItemType::Url, "bank.example"}}));
    Start();
    SelectInTree(Root());
    Command(ID_EDIT_FIND);
    const HWND find = m_run->WaitForDialogWhere(IsFind);
    ASSERT_NE(find, nullptr);
    const HWND list = GetDlgItem(find, IDC_FIND_LIST);

    SetItemTextOf(find, IDC_FIND_TEXT, "s3CR");
    EXPECT_EQ(ListView_GetItemCount(list), 0) << "a hidden value is never searched";

    SetItemTextOf(find, IDC_FIND_TEXT, "EXAMPLE");
    ASSERT_EQ(ListView_GetItemCount(list), 3);
    EXPECT_EQ(test::ListViewText(list, 0, 0), "Internet / Mail / Login");
    EXPECT_EQ(test::ListViewText(list, 1, 0), "HomeBanking / Example Bank");
    EXPECT_EQ(test::ListViewText(list, 2, 0), "HomeBanking / Example Bank / URL");

    // Enter in the text box: the first line, selected after each search.
    PostMessageA(GetDlgItem(find, IDC_FIND_TEXT), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(find); }));
    EXPECT_TRUE(WaitUntil([&] {
        return TreeText(TreeView_GetSelection(m_tree)) == "Mail" &&
               ListView_GetNextItem(m_list, -1, LVNI_SELECTED) == 0;
    }));
}

} // namespace
} // namespace vaultlet
