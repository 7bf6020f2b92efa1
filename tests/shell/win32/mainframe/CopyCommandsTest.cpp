// Copying in one action on real windows: a double click on a field's row copies its value with the
// countdown (not an address's), Ctrl+C on a passcard copies its password, and Copy Login copies its
// login. Which node each command copies is CopySourceTest's; the countdown is SecretClipboardTest's.
#include "core/EncryptedDatabase.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/Passcard.h"
#include "resources/resource.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "tests/shell/win32/mainframe/MainFrameFixture.h"
#include "tests/support/win32/ClipboardContents.h"
#include "tests/support/win32/GuiDriver.h"

#include <commctrl.h>

namespace vaultlet {
namespace {

using test::ClipboardText;
using test::WaitUntil;

class CopyCommandsTest : public test::MainFrameFixture {
protected:
    void DoubleClickRow(int row) const {
        RECT area{};
        ListView_GetItemRect(m_list, row, &area, LVIR_LABEL);
        SendMessageA(m_list, WM_LBUTTONDBLCLK, MK_LBUTTON,
                     MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2));
    }
    static void EmptyClipboard() {
        if (OpenClipboard(nullptr)) {
            ::EmptyClipboard();
            CloseClipboard();
        }
    }
};

TEST_F(CopyCommandsTest, ADoubleClickCopiesAFieldAndTheCommandsCopyThePasscardsFields) {
    auto url = std::make_unique<Item>();
    url->ApplyTypeDefaults(ItemType::Url);
    url->SetValue("mail.example");
    CurrentDatabase::Get()->At(1)->At(0)->Add(std::move(url));
    Settings::Write(setting::kAutoDestroyTimeout, 5);
    Start();
    SelectInTree(Child(Child(Root(), 1), 0)); // Internet / Mail: login, hidden password, address
    ASSERT_EQ(ListView_GetItemCount(m_list), 3);

    // The tree has the focus (the frame gave it) and the passcard selected.
    Send(WM_COMMAND, ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText(nullptr).value_or(""), "s3cret") << "Ctrl+C on a passcard copies its password";
    Send(WM_COMMAND, ID_EDIT_COPY_LOGIN);
    EXPECT_EQ(ClipboardText(nullptr).value_or(""), "me@example.org");

    EmptyClipboard();
    DoubleClickRow(2);
    EXPECT_EQ(ClipboardText(nullptr).value_or(""), "") << "an address is opened, not copied";
    DoubleClickRow(0);
    EXPECT_EQ(ClipboardText(nullptr).value_or(""), "me@example.org");
    EXPECT_EQ(StatusInfo(), "Clipboard will be automatically cleared in 5 seconds...");
    DoubleClickRow(1);
    EXPECT_EQ(ClipboardText(nullptr).value_or(""), "s3cret");
}

} // namespace
} // namespace vaultlet
