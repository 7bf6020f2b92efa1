#include "shell/win32/editing/PasswordGeneratorDialog.h"

#include "autofill/PhoneticSpelling.h"
#include "resources/resource.h"
#include "shell/Settings.h"
#include "shell/win32/system/SecretClipboard.h"
#include "tests/shell/PrivateSettingsTest.h"
#include "tests/support/win32/ClipboardContents.h"
#include "tests/support/win32/GuiDriver.h"
#include "tests/support/win32/Win32TestWindows.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace vaultlet {
namespace {

constexpr const char* kTitle = "Password Generator";

class PasswordGeneratorDialogTest : public test::PrivateSettingsTest {
protected:
    HWND Open() {
        m_dialog = std::make_unique<PasswordGeneratorDialog>();
        m_run = std::make_unique<test::ModalThread>([this] { return m_dialog->RunModal(nullptr); });
        return m_run->WaitForDialog(kTitle);
    }
    INT_PTR Finish(HWND window, int button) {
        test::Click(window, button);
        EXPECT_TRUE(m_run->WaitForEnd());
        const INT_PTR result = m_run->Result();
        m_run.reset();
        return result;
    }

    static std::string Password(HWND window) { return test::ItemTextOf(window, IDC_GENERATOR_PASSWORD); }
    static std::string Generate(HWND window, int length) {
        test::SetItemTextOf(window, IDC_GENERATOR_LENGTH, std::to_string(length));
        test::SetItemTextOf(window, IDC_GENERATOR_PASSWORD, "-");
        test::Click(window, IDC_GENERATOR_GENERATE);
        EXPECT_TRUE(test::WaitUntil([&] { return Password(window) != "-"; }));
        EXPECT_EQ(Password(window).size(), static_cast<std::size_t>(length));
        return Password(window);
    }
    // Empties the clipboard, presses Copy and waits until text stands there; the clipboard is not
    // opened meanwhile, which would make the copy fail.
    static void Copy(HWND window) {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
        test::Click(window, IDC_GENERATOR_COPY);
        EXPECT_TRUE(test::WaitUntil([] { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }));
        // Until the copy has closed the clipboard again.
        EXPECT_TRUE(test::WaitUntil([] { return test::ClipboardText(nullptr) != "<busy>"; }));
    }
    static void ClickAndWait(HWND window, int radio) {
        test::Click(window, radio);
        EXPECT_TRUE(test::WaitUntil([&] { return test::IsChecked(window, radio); })) << radio;
    }
    static int Stored(const char* key) { return Settings::ReadInt(key, -100); }

    std::unique_ptr<PasswordGeneratorDialog> m_dialog;
    std::unique_ptr<test::ModalThread> m_run;
};

// Loading, normalising and storing the choices is PasswordGeneratorSettingsTest's, the rules of a
// password PasswordGeneratorRulesTest's; here the stored choices reach the radios and boxes, the
// radios shape what Generate makes, and whatever is shown is stored even by the close box.
TEST_F(PasswordGeneratorDialogTest, OpensOnTheStoredChoicesAndTheCloseBoxStoresTheShownOnes) {
    ASSERT_TRUE(Settings::WriteInts(
        {{"PassGenType", 0}, {"PassGenCase", 0}, {"PassGenExcludeSimilar", 0}, {"PassGenPasswordLen", 40}}));
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(test::IsChecked(window, IDC_GENERATOR_ONLY_NUMBERS));
    EXPECT_TRUE(test::IsChecked(window, IDC_GENERATOR_LOWER_CASE));
    EXPECT_FALSE(test::IsChecked(window, IDC_GENERATOR_EXCLUDE_SIMILAR));
    EXPECT_TRUE(test::IsChecked(window, IDC_GENERATOR_EXCLUDE_DUPLICATE));
    EXPECT_EQ(test::ItemTextOf(window, IDC_GENERATOR_LENGTH), "40");
    const std::string password = Password(window);
    ASSERT_EQ(password.size(), 40u) << "a fresh password at the start";
    for (const char c : password) {
        EXPECT_TRUE(c >= '0' && c <= '9') << password;
    }
    EXPECT_EQ(test::ItemTextOf(window, IDC_GENERATOR_PHONETICS), SpellPhonetically(password));

    ClickAndWait(window, IDC_GENERATOR_HEX);
    ClickAndWait(window, IDC_GENERATOR_UPPER_CASE);
    ClickAndWait(window, IDC_GENERATOR_EXCLUDE_SIMILAR);
    for (const char c : Generate(window, 30)) {
        EXPECT_TRUE((c >= '2' && c <= '9') || (c >= 'A' && c <= 'F')) << c;
    }

    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m_run->WaitForEnd());
    EXPECT_EQ(m_run->Result(), IDCANCEL);
    EXPECT_EQ(m_dialog->Result(), "");
    EXPECT_EQ(Stored("PassGenType"), 1);
    EXPECT_EQ(Stored("PassGenCase"), 1);
    EXPECT_EQ(Stored("PassGenExcludeSimilar"), 1);
    EXPECT_EQ(Stored("PassGenExcludeDuplicate"), 1);
    EXPECT_EQ(Stored("PassGenPasswordLen"), 30);
}

TEST_F(PasswordGeneratorDialogTest, CopyLeavesTheDialogOpenAndOkHandsThePasswordBack) {
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    ClickAndWait(window, IDC_GENERATOR_ONLY_LETTERS);
    ClickAndWait(window, IDC_GENERATOR_UPPER_CASE);
    // A length beyond the spin button's range is used as typed.
    const std::string password = Generate(window, 200);
    for (const char c : password) {
        EXPECT_TRUE(c >= 'A' && c <= 'Z') << password;
    }
    Copy(window);
    EXPECT_EQ(test::ClipboardText(nullptr), password);

    EXPECT_EQ(Finish(window, IDOK), IDOK);
    EXPECT_EQ(m_dialog->Result(), password);
    EXPECT_EQ(Stored("PassGenType"), 2);
    EXPECT_EQ(Stored("PassGenPasswordLen"), 200);
    // Without a main window the dialog's own countdown cleared the copy when it closed.
    EXPECT_EQ(test::ClipboardText(nullptr), std::nullopt);
}

// With the program's clipboard keeper (the main window's, on the same thread) the copy is the
// keeper's, under its countdown, and outlives the dialog.
TEST_F(PasswordGeneratorDialogTest, CopyGoesThroughTheProgramsClipboardCountdown) {
    int secondsLeft = -1;
    std::optional<std::string> afterDialog;
    m_dialog = std::make_unique<PasswordGeneratorDialog>();
    m_run = std::make_unique<test::ModalThread>([&] {
        const HWND owner = test::CreateOwnerWindow();
        INT_PTR result = 0;
        {
            SecretClipboard keeper(owner, TIMER_CLIPBOARD_COUNTDOWN);
            result = m_dialog->RunModal(nullptr);
            secondsLeft = keeper.SecondsLeft();
            afterDialog = test::ClipboardText(nullptr);
        }
        DestroyWindow(owner);
        return result;
    });
    const HWND window = m_run->WaitForDialog(kTitle);
    ASSERT_NE(window, nullptr);
    const std::string password = Password(window);
    Copy(window);
    EXPECT_EQ(test::ClipboardText(nullptr), password);
    EXPECT_EQ(Finish(window, IDCANCEL), IDCANCEL);
    EXPECT_EQ(secondsLeft, 10) << "the default countdown started";
    EXPECT_EQ(afterDialog, password);
    EXPECT_EQ(test::ClipboardText(nullptr), std::nullopt) << "the keeper took it off when it went";
}

// A dialog opened from another dialog's box: the box's text is shown instead of a fresh password,
// and on OK the password goes back into the box.
class SourceBoxRun {
public:
    explicit SourceBoxRun(std::string text, bool masked = false)
        : m_run([this, text = std::move(text), masked] {
              const DWORD style = WS_POPUP | (masked ? ES_PASSWORD : 0);
              const HWND edit = CreateWindowExA(0, "EDIT", text.c_str(), style, 0, 0, 100, 20, nullptr, nullptr,
                                                GetModuleHandleA(nullptr), nullptr);
              const bool ok = RunPasswordGenerator(nullptr, edit);
              boxAfter = test::TextOf(edit);
              DestroyWindow(edit);
              return static_cast<INT_PTR>(ok);
          }) {}

    HWND Wait() const { return m_run.WaitForDialog(kTitle); }
    bool End(HWND window, int button) {
        test::Click(window, button);
        return m_run.WaitForEnd() && m_run.Result() != 0;
    }

    std::string boxAfter;

private:
    test::ModalThread m_run;
};

TEST_F(PasswordGeneratorDialogTest, SourceBoxTextIsShownUntilGenerateIsPressed) {
    {
        SourceBoxRun run("x:y");
        HWND window = run.Wait();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(Password(window), "x:y");
        const std::string password = Generate(window, 12);
        EXPECT_TRUE(run.End(window, IDOK));
        EXPECT_EQ(run.boxAfter, password);
    }
    {
        // A masked box's text (a master password being typed) is never shown in the clear.
        SourceBoxRun run("my master password", true);
        HWND window = run.Wait();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(Password(window).size(), 12u) << "a fresh password of the length stored by the previous run";
        EXPECT_FALSE(run.End(window, IDCANCEL));
        EXPECT_EQ(run.boxAfter, "my master password") << "Cancel leaves it alone";
    }
}

} // namespace
} // namespace vaultlet
