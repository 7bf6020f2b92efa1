#include "shell/win32/options/SettingsDialog.h"

#include "resources/StringIds.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/RegistryStore.h"
#include "shell/Settings.h"
#include "shell/SettingsLocation.h"
#include "shell/StartupEntry.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/TestData.h"
#include "tests/support/win32/GuiDriver.h"

#include <commctrl.h>

#include <filesystem>
#include <memory>

namespace vaultlet {
namespace {

bool IsSettings(HWND window) {
    return test::HasControl(window, IDC_SETTINGS_TABS);
}

int HotKeyOf(HWND dialog) {
    return static_cast<int>(SendMessageA(GetDlgItem(dialog, IDC_SETTINGS_HOTKEY), HKM_GETHOTKEY, 0, 0));
}

bool IsShown(HWND dialog, int id) {
    return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE;
}

// As a click on the tab would: select it, then tell the dialog.
void ChoosePage(HWND dialog, int page) {
    const HWND tabs = GetDlgItem(dialog, IDC_SETTINGS_TABS);
    SendMessageA(tabs, TCM_SETCURSEL, page, 0);
    NMHDR change{tabs, IDC_SETTINGS_TABS, TCN_SELCHANGE};
    SendMessageA(dialog, WM_NOTIFY, IDC_SETTINGS_TABS, reinterpret_cast<LPARAM>(&change));
}

class SettingsDialogTest : public test::ShellGuiFixture {
protected:
    void SetUp() override {
        ShellGuiFixture::SetUp();
        Settings::DeleteStartupEntry();
    }
    void TearDown() override {
        m_run.reset();
        Settings::DeleteStartupEntry();
        ShellGuiFixture::TearDown();
    }

    HWND Show() {
        m_run = std::make_unique<test::ModalThread>([this] { return m_dialog.RunModal(nullptr); });
        return m_run->WaitForDialogWhere(IsSettings);
    }

    INT_PTR Close(HWND dialog, int button) {
        test::Click(dialog, button);
        EXPECT_TRUE(m_run->WaitForEnd());
        return m_run->Result();
    }

    void SetBox(HWND dialog, int id, bool ticked) {
        if (test::IsChecked(dialog, id) != ticked) {
            test::Click(dialog, id);
            ASSERT_TRUE(test::WaitUntil([&] { return test::IsChecked(dialog, id) == ticked; }));
        }
    }

    SettingsDialog m_dialog;
    std::unique_ptr<test::ModalThread> m_run;
};

TEST_F(SettingsDialogTest, OpensOnTheStoredValuesAndCancelWritesNothing) {
    // Which box shows which option is one table in the dialog: two boxes stand for it. Loading the
    // options is ProgramOptionsTest's.
    ASSERT_TRUE(Settings::WriteInts({{"ShowTrayIcon", 0},
                                     {"KeepOnTop", 1},
                                     {"AutoDestroyTimeout", 42},
                                     {"HonKeyKey", 'K'},
                                     {"HonKeyModifier", 3},
                                     {"AutoTypeTimeout", 75},
                                     {"Monitor", 1}}));
    // An entry of the old, unquoted kind still names this copy.
    const std::string oldEntry = RegistryStore::ExecutablePath() + std::string(StartupEntry::kArguments);
    ASSERT_TRUE(RegistryStore::WriteStartupEntry(oldEntry));
    const std::string stored = test::ReadFileBytes(SettingsLocation::Get());

    const HWND dialog = Show();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(test::IsChecked(dialog, IDC_SETTINGS_SHOW_TRAY_ICON));
    EXPECT_TRUE(test::IsChecked(dialog, IDC_SETTINGS_KEEP_ON_TOP));
    EXPECT_TRUE(test::IsChecked(dialog, IDC_SETTINGS_RUN_AT_STARTUP));
    EXPECT_EQ(test::ItemTextOf(dialog, IDC_SETTINGS_TIMEOUT), "42");
    EXPECT_EQ(HotKeyOf(dialog), MAKEWORD('K', 3));
    EXPECT_EQ(test::ItemTextOf(dialog, IDC_SETTINGS_AUTOTYPE_TIMEOUT), "75");

    ChoosePage(dialog, SettingsDialog::kAutofillPage);
    // F1 opens the guide at the part of the settings page for the tab shown.
    SendMessageA(dialog, WM_HELP, 0, 0);
    ASSERT_EQ(Opened().size(), 1u);
    EXPECT_NE(Opened()[0].find("\\hh.exe \""), std::string::npos) << Opened()[0];
    EXPECT_TRUE(Opened()[0].ends_with(".chm::/settings.html#autofill\"")) << Opened()[0];

    SetBox(dialog, IDC_SETTINGS_MONITOR, false);
    test::SetItemTextOf(dialog, IDC_SETTINGS_AUTOTYPE_TIMEOUT, "5");
    EXPECT_EQ(Close(dialog, IDCANCEL), IDCANCEL);
    EXPECT_EQ(test::ReadFileBytes(SettingsLocation::Get()), stored);
    EXPECT_EQ(RegistryStore::ReadStartupEntry(), oldEntry);
    EXPECT_FALSE(m_dialog.Changes().Any());
}

// Which stored hot keys are replaced is ProgramOptionsTest's; here the replacement is shown and said.
TEST_F(SettingsDialogTest, ABadStoredHotKeyIsShownReplaced) {
    ASSERT_TRUE(Settings::WriteInts({{"HonKeyKey", 'K'}, {"HonKeyModifier", 0}}));
    const HWND dialog = Show();
    ASSERT_NE(dialog, nullptr);
    ChoosePage(dialog, SettingsDialog::kAutofillPage);
    EXPECT_EQ(HotKeyOf(dialog), MAKEWORD('F', HOTKEYF_CONTROL | HOTKEYF_ALT));
    EXPECT_TRUE(IsShown(dialog, IDC_SETTINGS_HOTKEY_NOTE));
    EXPECT_EQ(test::ItemTextOf(dialog, IDC_SETTINGS_HOTKEY_NOTE),
              LanguagePack::Instance().getString(IDS_SETTINGS_HOTKEY_REPLACED));
    Close(dialog, IDCANCEL);
}

TEST_F(SettingsDialogTest, OkWritesEveryChangeOnlyAndAQuotedStartupEntry) {
    Settings::WriteInt("AutoTypeTimeout", 5000); // by hand, beyond the range
    const HWND dialog = Show();
    ASSERT_NE(dialog, nullptr);
    SetBox(dialog, IDC_SETTINGS_SHOW_TRAY_ICON, false);
    SetBox(dialog, IDC_SETTINGS_KEEP_ON_TOP, true);
    SetBox(dialog, IDC_SETTINGS_RUN_AT_STARTUP, true);
    test::SetItemTextOf(dialog, IDC_SETTINGS_TIMEOUT, "20");
    SendMessageA(GetDlgItem(dialog, IDC_SETTINGS_HOTKEY), HKM_SETHOTKEY, MAKEWORD('Q', 5), 0);
    EXPECT_EQ(Close(dialog, IDOK), IDOK);

    // Which values are written is ProgramOptionsTest's; here what the user left alone stays unwritten.
    EXPECT_EQ(Settings::ReadInt("ShowTrayIcon", 1), 0);
    EXPECT_EQ(Settings::ReadInt("KeepOnTop", 0), 1);
    EXPECT_EQ(Settings::ReadInt("MinimizeOnEsc", -1), -1) << "what the user left alone is not written";
    EXPECT_EQ(Settings::ReadInt("AutoDestroyTimeout", 10), 20);
    EXPECT_EQ(Settings::ReadInt("AutoTypeTimeout", 30), 5000) << "left alone, so left as it was";
    EXPECT_EQ(Settings::ReadInt("HonKeyKey", 70), 'Q');
    EXPECT_EQ(Settings::ReadInt("HonKeyModifier", 6), 5);
    EXPECT_EQ(RegistryStore::ReadStartupEntry(), StartupEntry::CommandFor(RegistryStore::ExecutablePath()));
    EXPECT_EQ(m_dialog.Chosen(), ProgramOptions::Load());

    EXPECT_TRUE(m_dialog.Changes().trayIcon && m_dialog.Changes().hotKey);
    EXPECT_FALSE(m_dialog.Changes().statusBar);

    SettingsDialog again;
    EXPECT_EQ(RunDialog(again, IsSettings,
                        [&](HWND second) {
                            SetBox(second, IDC_SETTINGS_RUN_AT_STARTUP, false);
                            test::Click(second, IDOK);
                        }),
              IDOK);
    EXPECT_FALSE(RegistryStore::ReadStartupEntry());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SettingsDialogTest, AStoreThatCannotBeWrittenKeepsTheDialogOpenAndWritesNothing) {
    const std::string unwritable = ProgramFile("missing\\Vaultlet.ini");
    SettingsLocation::Set(unwritable);
    const HWND dialog = Show();
    ASSERT_NE(dialog, nullptr);
    SetBox(dialog, IDC_SETTINGS_RUN_AT_STARTUP, true);
    SendMessageA(GetDlgItem(dialog, IDC_SETTINGS_HOTKEY), HKM_SETHOTKEY, MAKEWORD('Q', 5), 0);
    test::Click(dialog, IDOK);
    ASSERT_TRUE(WaitForMessages(1));
    EXPECT_EQ(Messages().front(), LanguagePack::Instance().getString(IDS_SETTINGS_NOT_SAVED));
    EXPECT_FALSE(RegistryStore::ReadStartupEntry()) << "nothing after the refused batch is written";

    EXPECT_EQ(Close(dialog, IDCANCEL), IDCANCEL);
    EXPECT_FALSE(std::filesystem::exists(unwritable));
    EXPECT_EQ(Settings::ReadInt("HonKeyKey", 70), 70);
    EXPECT_FALSE(m_dialog.Changes().Any());
}

} // namespace
} // namespace vaultlet
