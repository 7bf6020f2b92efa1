#include "shell/win32/editing/NameDialog.h"

#include "core/Database.h"
#include "core/Group.h"
#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "tests/shell/win32/DialogCheckFixture.h"
#include "tests/support/win32/GuiDriver.h"

namespace vaultlet {
namespace {

using test::Click;

bool IsNameDialog(HWND window) {
    return test::HasControl(window, IDC_NAME_EDIT);
}

class NameDialogTest : public test::DialogCheckFixture {
protected:
    static INT_PTR RunNameDialog(ModelNode& node, const std::function<void(HWND)>& drive) {
        NameDialog dialog(node);
        return RunDialog(dialog, IsNameDialog, drive);
    }
};

TEST_F(NameDialogTest, StoresWhatWasTypedOnlyOnOk) {
    Group group("Mail");
    ModifiedFlag::Clear();
    const INT_PTR cancelled = RunNameDialog(group, [&](HWND window) {
        EXPECT_EQ(test::ItemTextOf(window, IDC_NAME_EDIT), "Mail");
        test::SetItemTextOf(window, IDC_NAME_EDIT, "Post");
        // A name the code page cannot keep is refused, not stored changed.
        if (GetACP() != CP_UTF8) {
            ExpectRefused(window, {{IDC_NAME_EDIT, test::kNotInCodePage}}, IDS_TEXT_NOT_EXACT, IDC_NAME_EDIT);
        }
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(cancelled, IDCANCEL);
    EXPECT_EQ(group.Name(), "Mail");
    EXPECT_FALSE(ModifiedFlag::IsRaised());

    const INT_PTR unchanged = RunNameDialog(group, [](HWND window) { Click(window, IDOK); });
    EXPECT_EQ(unchanged, IDOK);
    EXPECT_FALSE(ModifiedFlag::IsRaised()) << "the same name is no change";

    const INT_PTR renamed = RunNameDialog(group, [](HWND window) {
        test::SetItemTextOf(window, IDC_NAME_EDIT, "");
        Click(window, IDOK);
    });
    EXPECT_EQ(renamed, IDOK);
    EXPECT_EQ(group.Name(), "") << "an empty name is the user's to choose";
    EXPECT_TRUE(ModifiedFlag::IsRaised());

    // A database file's header keeps 255 characters of the name: typing stops there.
    Database database;
    database.SetName("Home");
    RunNameDialog(database, [](HWND window) {
        const std::string typed(300, 'w');
        SendMessageA(GetDlgItem(window, IDC_NAME_EDIT), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed.c_str()));
        Click(window, IDOK);
    });
    EXPECT_EQ(database.Name(), std::string(255, 'w'));
}

} // namespace
} // namespace vaultlet
