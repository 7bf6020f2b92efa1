#include "shell/win32/editing/PasscardDialog.h"

#include "core/Clock.h"
#include "core/Item.h"
#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "shell/ExpirationMenu.h"
#include "tests/shell/win32/DialogCheckFixture.h"
#include "tests/support/win32/GuiDriver.h"

namespace vaultlet {
namespace {

using test::Click;
using test::IsItemEnabled;

// 2025-06-01 09:30:15 UTC: sixty days on stay in the same daylight-saving period.
constexpr std::int64_t kPinnedNow = 1748770215;

bool IsPasscardDialog(HWND window) {
    return test::HasControl(window, IDC_PASSCARD_TEMPLATE);
}

void Command(HWND window, int id) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

class PasscardDialogTest : public test::DialogCheckFixture {
protected:
    void SetUp() override {
        ShellGuiFixture::SetUp();
        Clock::SetFixed(kPinnedNow);
        m_passcard.SetName("Mail");
        auto login = std::make_unique<Item>();
        login->ApplyTypeDefaults(ItemType::Login);
        m_passcard.Add(std::move(login));
        ModifiedFlag::Clear();
    }
    void TearDown() override {
        Clock::SetFixed(std::nullopt);
        ShellGuiFixture::TearDown();
    }

    static INT_PTR RunPasscardDialog(Passcard& passcard, const std::function<void(HWND)>& drive) {
        PasscardDialog dialog(passcard);
        return RunDialog(dialog, IsPasscardDialog, drive);
    }

    Passcard m_passcard;
};

TEST_F(PasscardDialogTest, ThePopupsInsertAtTheCaretAndOkStoresTheTemplate) {
    const INT_PTR result = RunPasscardDialog(m_passcard, [&](HWND window) {
        EXPECT_EQ(test::ItemTextOf(window, IDC_PASSCARD_NAME), "Mail");
        EXPECT_EQ(test::ItemTextOf(window, IDC_PASSCARD_TEMPLATE), "<Login>{TAB}<Password>");
        Click(window, IDC_PASSCARD_USE_AUTOFILL);
        ASSERT_TRUE(test::WaitUntil([&] { return IsItemEnabled(window, IDC_PASSCARD_TEMPLATE); }));

        // After "<Login>": {ENTER} is the third special key, the only item is the Login.
        SendMessageA(GetDlgItem(window, IDC_PASSCARD_TEMPLATE), EM_SETSEL, 7, 7);
        Command(window, ID_TEMPLATE_SPECIAL_KEY_FIRST + 2);
        Command(window, ID_TEMPLATE_ITEM_FIRST);
        EXPECT_EQ(test::ItemTextOf(window, IDC_PASSCARD_TEMPLATE), "<Login>{ENTER}<Login>{TAB}<Password>");
        // A template the code page cannot keep is refused, not stored changed: a "?" would be typed.
        if (GetACP() != CP_UTF8) {
            ExpectRefused(window, {{IDC_PASSCARD_TEMPLATE, test::kNotInCodePage}}, IDS_TEXT_NOT_EXACT,
                          IDC_PASSCARD_TEMPLATE);
        }
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(m_passcard.UseAutofill());
    EXPECT_EQ(m_passcard.StoredAutofillString(), "");
    EXPECT_EQ(m_passcard.Expiration(), 0U);
    EXPECT_FALSE(ModifiedFlag::IsRaised());

    RunPasscardDialog(m_passcard, [](HWND window) {
        test::SetItemTextOf(window, IDC_PASSCARD_NAME, "Web mail");
        Click(window, IDC_PASSCARD_USE_AUTOFILL);
        ASSERT_TRUE(test::WaitUntil([&] { return IsItemEnabled(window, IDC_PASSCARD_TEMPLATE); }));
        test::SetItemTextOf(window, IDC_PASSCARD_TEMPLATE, "<Login>\r\n<Password>");
        Click(window, IDOK);
    });
    EXPECT_EQ(m_passcard.Name(), "Web mail");
    EXPECT_TRUE(m_passcard.UseAutofill());
    EXPECT_EQ(m_passcard.StoredAutofillString(), "<Login>\n<Password>") << "line feeds as in a loaded file";
    EXPECT_EQ(m_passcard.Expiration(), 0U);
}

TEST_F(PasscardDialogTest, TickedStoresTheOpeningMomentTheMenuMovesItAndUntickedClearsIt) {
    RunPasscardDialog(m_passcard, [](HWND window) {
        Click(window, IDC_PASSCARD_EXPIRATION);
        ASSERT_TRUE(test::WaitUntil([&] { return IsItemEnabled(window, IDC_PASSCARD_DATE); }));
        Click(window, IDOK);
    });
    const std::uint64_t opened = Clock::NowFileTime();
    EXPECT_EQ(m_passcard.Expiration(), opened);

    RunPasscardDialog(m_passcard, [](HWND window) {
        EXPECT_TRUE(test::IsChecked(window, IDC_PASSCARD_EXPIRATION));
        Command(window, ID_EXPIRE_MONTH);
        Command(window, ID_EXPIRE_MONTH);
        Click(window, IDOK);
    });
    // Each entry from the shown moment (ExpirationMenuTest): the second click counts from the first.
    EXPECT_EQ(m_passcard.Expiration(), opened + 60 * expiration_menu::kDay);

    RunPasscardDialog(m_passcard, [](HWND window) {
        Click(window, IDC_PASSCARD_EXPIRATION);
        ASSERT_TRUE(test::WaitUntil([&] { return !IsItemEnabled(window, IDC_PASSCARD_DATE); }));
        Click(window, IDOK);
    });
    EXPECT_EQ(m_passcard.Expiration(), 0U);
}

TEST_F(PasscardDialogTest, AnUntouchedExpirationIsKeptExactlyEvenWhereThePickersCannotShowIt) {
    // A fraction of a second, and a moment past the last year the system converts.
    for (const std::uint64_t stored : {Clock::NowFileTime() + 1234567, std::uint64_t{0xFFFFFFFFFFFFFFF0ULL}}) {
        m_passcard.SetExpiration(stored);
        ModifiedFlag::Clear();
        const INT_PTR result = RunPasscardDialog(m_passcard, [&](HWND window) {
            EXPECT_TRUE(test::IsChecked(window, IDC_PASSCARD_EXPIRATION));
            Click(window, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(m_passcard.Expiration(), stored);
        EXPECT_FALSE(ModifiedFlag::IsRaised()) << "an OK without changes changes nothing";
    }
}

} // namespace
} // namespace vaultlet
