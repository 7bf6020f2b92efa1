// The password generator on a real dialog: options read and stored, the radios, the length box,
// the source box, the clipboard.
#include "shell/win32/PasswordGeneratorDialog.h"

#include "autofill/PasswordGeneratorRules.h"
#include "autofill/PhoneticSpelling.h"
#include "resources/resource.h"
#include "shell/Settings.h"
#include "shell/SettingsLocation.h"
#include "tests/support/TempDir.h"
#include "tests/support/win32/GuiDriver.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>

namespace vaultlet {
namespace {

constexpr const char* kTitle = "Password Generator";

// Every test runs against a private settings file.
class PasswordGeneratorDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = SettingsLocation::Get();
        SettingsLocation::Set(m_folder.File("Vaultlet.ini"));
    }
    void TearDown() override { SettingsLocation::Set(m_previous); }

    // Opens the generator (on a thread of its own) and waits for its window.
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
    // Generates with the length typed into the box and waits for the new password.
    static std::string Generate(HWND window, int length) {
        test::SetItemTextOf(window, IDC_GENERATOR_LENGTH, std::to_string(length));
        test::SetItemTextOf(window, IDC_GENERATOR_PASSWORD, "-");
        test::Click(window, IDC_GENERATOR_GENERATE);
        EXPECT_TRUE(test::WaitUntil([&] { return Password(window) != "-"; }));
        EXPECT_EQ(Password(window).size(), static_cast<std::size_t>(length));
        return Password(window);
    }
    static void ClickAndWait(HWND window, int radio) {
        test::Click(window, radio);
        EXPECT_TRUE(test::WaitUntil([&] { return test::IsChecked(window, radio); })) << radio;
    }
    static void ExpectCaseRadiosEnabled(HWND window, bool enabled) {
        for (const int radio : {IDC_GENERATOR_LOWER_CASE, IDC_GENERATOR_UPPER_CASE, IDC_GENERATOR_MIX_CASE}) {
            EXPECT_TRUE(test::WaitUntil([&] { return test::IsItemEnabled(window, radio) == enabled; })) << radio;
        }
    }
    static int Stored(const char* key) { return Settings::ReadInt(key, -100); }

    test::TempDir m_folder;
    std::string m_previous;
    std::unique_ptr<PasswordGeneratorDialog> m_dialog;
    std::unique_ptr<test::ModalThread> m_run;
};

TEST_F(PasswordGeneratorDialogTest, OpensWithTheDefaultsAndAFreshPasswordAndStoresThemOnCancel) {
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::ItemTextOf(window, IDC_GENERATOR_LENGTH), "10");
    EXPECT_TRUE(test::IsChecked(window, IDC_GENERATOR_EXCLUDE_SIMILAR));
    EXPECT_TRUE(test::IsChecked(window, IDC_GENERATOR_EXCLUDE_DUPLICATE));
    EXPECT_TRUE(test::IsChecked(window, IDC_GENERATOR_MIX));
    EXPECT_FALSE(test::IsChecked(window, IDC_GENERATOR_ONLY_NUMBERS));
    EXPECT_TRUE(test::IsChecked(window, IDC_GENERATOR_MIX_CASE));
    EXPECT_FALSE(test::IsChecked(window, IDC_GENERATOR_LOWER_CASE));
    ExpectCaseRadiosEnabled(window, true);
    EXPECT_EQ(test::ItemTextOf(window, IDC_GENERATOR_HEADER).rfind("Password Generator\nPlease select", 0), 0u);
    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);

    const std::string password = Password(window);
    ASSERT_EQ(password.size(), 10u);
    for (std::size_t i = 0; i < password.size(); ++i) {
        EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(password[i]))) << password;
        EXPECT_EQ(PasswordGeneratorRules::kSimilarCharacters.find(password[i]), std::string_view::npos) << password;
        for (std::size_t j = i + 1; j < password.size() && j < i + 6; ++j) {
            EXPECT_NE(std::tolower(password[i]), std::tolower(password[j])) << password;
        }
    }
    EXPECT_EQ(test::ItemTextOf(window, IDC_GENERATOR_PHONETICS), SpellPhonetically(password));

    // The window's close box cancels, and cancelling stores the options too.
    EXPECT_EQ(Stored("PassGenType"), -100);
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m_run->WaitForEnd());
    EXPECT_EQ(m_run->Result(), IDCANCEL);
    EXPECT_EQ(m_dialog->Result(), "");
    EXPECT_EQ(Stored("PassGenPasswordLen"), 10);
    EXPECT_EQ(Stored("PassGenExcludeSimilar"), 1);
    EXPECT_EQ(Stored("PassGenExcludeDuplicate"), 1);
    EXPECT_EQ(Stored("PassGenType"), 3);
    EXPECT_EQ(Stored("PassGenCase"), 2);
}

TEST_F(PasswordGeneratorDialogTest, ClassAndCaseRadiosShapeThePasswordAndAreStoredOnCancel) {
    HWND window = Open();
    ASSERT_NE(window, nullptr);

    ClickAndWait(window, IDC_GENERATOR_ONLY_NUMBERS);
    ExpectCaseRadiosEnabled(window, false);
    for (const char c : Generate(window, 40)) {
        EXPECT_TRUE(c >= '2' && c <= '9') << c;
    }

    ClickAndWait(window, IDC_GENERATOR_HEX);
    ExpectCaseRadiosEnabled(window, true);
    ClickAndWait(window, IDC_GENERATOR_LOWER_CASE);
    EXPECT_FALSE(test::IsChecked(window, IDC_GENERATOR_MIX_CASE));
    for (const char c : Generate(window, 40)) {
        EXPECT_TRUE((c >= '2' && c <= '9') || (c >= 'a' && c <= 'f')) << c;
    }

    test::Click(window, IDC_GENERATOR_EXCLUDE_SIMILAR);
    ASSERT_TRUE(test::WaitUntil([&] { return !test::IsChecked(window, IDC_GENERATOR_EXCLUDE_SIMILAR); }));
    EXPECT_EQ(Finish(window, IDCANCEL), IDCANCEL);
    EXPECT_EQ(Stored("PassGenType"), 1);
    EXPECT_EQ(Stored("PassGenCase"), 0);
    EXPECT_EQ(Stored("PassGenExcludeSimilar"), 0);
    EXPECT_EQ(Stored("PassGenExcludeDuplicate"), 1);
    EXPECT_EQ(Stored("PassGenPasswordLen"), 40);

    // The next open shows what was stored; "Only numbers" disables the case radios from the start.
    Settings::WriteInt("PassGenType", 0);
    window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(test::IsChecked(window, IDC_GENERATOR_ONLY_NUMBERS));
    EXPECT_TRUE(test::IsChecked(window, IDC_GENERATOR_LOWER_CASE));
    EXPECT_FALSE(test::IsChecked(window, IDC_GENERATOR_EXCLUDE_SIMILAR));
    ExpectCaseRadiosEnabled(window, false);
    EXPECT_EQ(test::ItemTextOf(window, IDC_GENERATOR_LENGTH), "40");
    EXPECT_EQ(Password(window).size(), 40u);
    Finish(window, IDCANCEL);
}

TEST_F(PasswordGeneratorDialogTest, OkHandsThePasswordBackAndStoresTheOptions) {
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    ClickAndWait(window, IDC_GENERATOR_ONLY_LETTERS);
    ClickAndWait(window, IDC_GENERATOR_UPPER_CASE);
    const std::string password = Generate(window, 16);
    for (const char c : password) {
        EXPECT_TRUE(c >= 'A' && c <= 'Z') << password;
    }
    EXPECT_EQ(Finish(window, IDOK), IDOK);
    EXPECT_EQ(m_dialog->Result(), password);
    EXPECT_EQ(Stored("PassGenType"), 2);
    EXPECT_EQ(Stored("PassGenCase"), 1);
    EXPECT_EQ(Stored("PassGenPasswordLen"), 16);
}

TEST_F(PasswordGeneratorDialogTest, LengthBoxEdgeCases) {
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    // An empty length box makes an empty password and is stored as 0.
    test::SetItemTextOf(window, IDC_GENERATOR_LENGTH, "");
    test::Click(window, IDC_GENERATOR_GENERATE);
    ASSERT_TRUE(test::WaitUntil([&] { return Password(window).empty(); }));
    EXPECT_EQ(test::ItemTextOf(window, IDC_GENERATOR_PHONETICS), "");
    Finish(window, IDCANCEL);
    EXPECT_EQ(Stored("PassGenPasswordLen"), 0);

    // The next open shows 0 and generates nothing; a length beyond the spin range is used as typed.
    window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::ItemTextOf(window, IDC_GENERATOR_LENGTH), "0");
    EXPECT_EQ(Password(window), "");
    const std::string password = Generate(window, 200);
    EXPECT_EQ(test::ItemTextOf(window, IDC_GENERATOR_PHONETICS), SpellPhonetically(password));
    EXPECT_EQ(Finish(window, IDOK), IDOK);
    EXPECT_EQ(m_dialog->Result().size(), 200u);
    EXPECT_EQ(Stored("PassGenPasswordLen"), 200);
}

TEST_F(PasswordGeneratorDialogTest, UnknownStoredChoicesSelectTheLastRadio) {
    Settings::WriteInt("PassGenType", 7);
    Settings::WriteInt("PassGenCase", -3);
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(test::IsChecked(window, IDC_GENERATOR_MIX));
    for (const int radio : {IDC_GENERATOR_ONLY_NUMBERS, IDC_GENERATOR_HEX, IDC_GENERATOR_ONLY_LETTERS,
                            IDC_GENERATOR_LOWER_CASE, IDC_GENERATOR_UPPER_CASE}) {
        EXPECT_FALSE(test::IsChecked(window, radio)) << radio;
    }
    EXPECT_TRUE(test::IsChecked(window, IDC_GENERATOR_MIX_CASE));
    Finish(window, IDCANCEL);
    EXPECT_EQ(Stored("PassGenType"), 3);
    EXPECT_EQ(Stored("PassGenCase"), 2);
}

TEST_F(PasswordGeneratorDialogTest, CopyPutsThePasswordOnTheClipboard) {
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
    const std::string password = Password(window);
    ASSERT_FALSE(password.empty());
    auto clipboardText = [] {
        std::string text;
        if (OpenClipboard(nullptr)) {
            if (HANDLE data = GetClipboardData(CF_TEXT)) {
                if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
                    text = chars;
                    GlobalUnlock(data);
                }
            }
            CloseClipboard();
        }
        return text;
    };
    test::Click(window, IDC_GENERATOR_COPY);
    EXPECT_TRUE(test::WaitUntil([&] { return clipboardText() == password; })) << clipboardText();
    EXPECT_TRUE(IsWindowVisible(window)) << "the dialog stays open";
    Finish(window, IDCANCEL);
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
        EXPECT_EQ(test::ItemTextOf(window, IDC_GENERATOR_PHONETICS), "") << "not letters and digits only";
        EXPECT_TRUE(run.End(window, IDOK));
        EXPECT_EQ(run.boxAfter, "x:y");
    }
    {
        SourceBoxRun run("aB3");
        HWND window = run.Wait();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(test::ItemTextOf(window, IDC_GENERATOR_PHONETICS), "air - BIT - three");
        const std::string password = Generate(window, 12);
        EXPECT_TRUE(run.End(window, IDOK));
        EXPECT_EQ(run.boxAfter, password);
    }
    {
        // A masked box's text (a master password being typed) is never shown in the clear.
        SourceBoxRun run("my master password", true);
        HWND window = run.Wait();
        ASSERT_NE(window, nullptr);
        EXPECT_NE(Password(window), "my master password");
        EXPECT_FALSE(run.End(window, IDCANCEL));
        EXPECT_EQ(run.boxAfter, "my master password") << "Cancel leaves it alone";
    }
    {
        // An empty box gets a fresh password; Cancel leaves the box alone.
        SourceBoxRun run("");
        HWND window = run.Wait();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(Password(window).size(), 12u) << "the length stored by the previous run";
        EXPECT_FALSE(run.End(window, IDCANCEL));
        EXPECT_EQ(run.boxAfter, "");
    }
}

} // namespace
} // namespace vaultlet
