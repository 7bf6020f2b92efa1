// What is found, and why, is PasswordHealthTest's and HealthTextsTest's.
#include "shell/win32/health/PasswordHealthDialog.h"

#include "core/Clock.h"
#include "core/EncryptedDatabase.h"
#include "core/Group.h"
#include "core/Passcard.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/TextFormat.h"
#include "tests/shell/win32/mainframe/MainFrameFixture.h"
#include "tests/support/SampleDatabases.h"
#include "tests/support/win32/GuiDriver.h"

#include <commctrl.h>

#include <vector>

namespace vaultlet {
namespace {

using test::MakePasscard;
using test::Text;
using test::WaitUntil;

constexpr std::uint64_t kDay = 864000000000ULL;

bool IsHealthReport(HWND window) {
    return test::HasControl(window, IDC_HEALTH_LIST);
}

using PasswordHealthDialogTest = test::MainFrameFixture;

TEST_F(PasswordHealthDialogTest, ListsThePlantedFindingsAndADoubleClickSelectsThePasscard) {
    // Besides the fixture's "Mail" (a weak password): an expired passcard and a shared password.
    EncryptedDatabase& database = *CurrentDatabase::Get();
    auto old = MakePasscard("Old", {{ItemType::Password, "Ba9ZyWABu99[BK#6MBgbH88Tofv)vs$w"}});
    old->SetExpiration(Clock::NowFileTime() - 3 * kDay);
    database.At(0)->Add(std::move(old));
    database.At(3)->Add(MakePasscard("Bank", {{ItemType::Password, "rWibMFACxAUGZmxhVncy"}}));
    database.At(4)->Add(MakePasscard("Shop", {{ItemType::Password, "rWibMFACxAUGZmxhVncy"}}));
    Start();

    SelectInTree(Root());
    Command(ID_TOOLS_PASSWORD_HEALTH);
    const HWND report = m_run->WaitForDialogWhere(IsHealthReport);
    ASSERT_NE(report, nullptr);
    const HWND list = GetDlgItem(report, IDC_HEALTH_LIST);
    ASSERT_EQ(ListView_GetItemCount(list), 4);
    const std::vector<std::pair<int, std::string>> expected = {
        {IDS_HEALTH_KIND_EXPIRED, "Network / Old"},
        {IDS_HEALTH_KIND_REUSED, "HomeBanking / Bank / Password"},
        {IDS_HEALTH_KIND_REUSED, "Software / Shop / Password"},
        {IDS_HEALTH_KIND_WEAK, "Internet / Mail / Password"},
    };
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(test::ListViewText(list, row, 0), Text(expected[row].first)) << row;
        EXPECT_EQ(test::ListViewText(list, row, 1), expected[row].second) << row;
    }
    EXPECT_EQ(test::ListViewText(list, 1, 2), FormatText(Text(IDS_HEALTH_REUSED), {"2"}));
    EXPECT_EQ(test::ItemTextOf(report, IDC_HEALTH_SUMMARY),
              FormatText(Text(IDS_HEALTH_SUMMARY), {"4", "4", "1", "2", "1", "0"}));

    RECT row{};
    ListView_GetItemRect(list, 3, &row, LVIR_LABEL);
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON,
                 MAKELPARAM((row.left + row.right) / 2, (row.top + row.bottom) / 2));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(report); }));
    EXPECT_TRUE(WaitUntil([&] { return TreeText(TreeView_GetSelection(m_tree)) == "Mail"; }));
}

} // namespace
} // namespace vaultlet
