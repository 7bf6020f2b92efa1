// What the passcard holds is NewLoginTest's.
#include "shell/win32/editing/NewLoginDialog.h"

#include "core/EncryptedDatabase.h"
#include "core/Group.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "tests/shell/win32/mainframe/MainFrameFixture.h"
#include "tests/support/win32/GuiDriver.h"

namespace vaultlet {
namespace {

using test::Click;
using test::SetItemTextOf;
using test::Text;
using test::WaitUntil;

bool IsNewLogin(HWND window) {
    return test::HasControl(window, IDC_NEWLOGIN_URL);
}

using NewLoginDialogTest = test::MainFrameFixture;

TEST_F(NewLoginDialogTest, OkAddsThePasscardWithItsThreeFieldsToTheSelectedGroup) {
    Start();
    SelectInTree(Child(Child(Root(), 1), 0)); // Internet / Mail: the new login goes beside it
    Command(ID_EDIT_NEW_LOGIN);
    const HWND dialog = m_run->WaitForDialogWhere(IsNewLogin);
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(SendMessageA(GetDlgItem(dialog, IDC_NEWLOGIN_PASSWORD), EM_GETPASSWORDCHAR, 0, 0), 0)
        << "the password starts masked";

    SetItemTextOf(dialog, IDC_NEWLOGIN_LOGIN, "anna");
    SetItemTextOf(dialog, IDC_NEWLOGIN_PASSWORD, "s3cret pass");
    SetItemTextOf(dialog, IDC_NEWLOGIN_URL, "https://www.shop.example/login");
    SetItemTextOf(dialog, IDC_NEWLOGIN_NOTE, "first line\r\nsecond line");
    // U+0141 has no byte in a Western code page: refused, not stored as a look-alike.
    SetWindowTextW(GetDlgItem(dialog, IDC_NEWLOGIN_NAME), L"\u0141\u00F3d\u017A shop");
    Click(dialog, IDOK);
    ExpectMessage(Text(IDS_TEXT_NOT_EXACT));
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_EQ(CurrentDatabase::Get()->At(1)->Count(), 1u);

    SetItemTextOf(dialog, IDC_NEWLOGIN_NAME, "");
    Click(dialog, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    const Group& internet = *CurrentDatabase::Get()->At(1);
    ASSERT_EQ(internet.Count(), 2u);
    const Passcard& added = *internet.At(1);
    EXPECT_EQ(added.Name(), "shop.example") << "named after the address";
    EXPECT_EQ(added.Comment(), "first line\nsecond line");
    ASSERT_EQ(added.Count(), 3u);
    EXPECT_EQ(added.At(0)->Value(), "anna");
    EXPECT_EQ(added.At(1)->Value(), "s3cret pass");
    EXPECT_EQ(added.At(2)->Value(), "https://www.shop.example/login");
    EXPECT_TRUE(WaitUntil([&] { return TreeText(TreeView_GetSelection(m_tree)) == "shop.example"; }));
    EXPECT_EQ(ListView_GetItemCount(m_list), 3);
}

} // namespace
} // namespace vaultlet
