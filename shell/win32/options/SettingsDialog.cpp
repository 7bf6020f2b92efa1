#include "shell/win32/options/SettingsDialog.h"

#include "resources/StringIds.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/IdleLock.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/MessageBoxes.h"
#include "shell/win32/ui/SharedIcons.h"
#include "shell/win32/ui/WindowDpi.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vaultlet {
namespace {

// Node pictures of the shared icon list that stand for the pages.
constexpr int kTrayPageImage = 13;     // host
constexpr int kViewPageImage = 17;     // note
constexpr int kCommonPageImage = 22;   // shield
constexpr int kAutofillPageImage = 25; // auto-fill

// The widest number the time-out fields take; larger values are clamped anyway.
constexpr int kNumberDigits = 4;

struct Page {
    int captionId;
    int image;
    std::string_view helpPage; // its part of the guide's page, which F1 opens
    std::vector<int> controls;
};

const std::array<Page, 4> kPages = {{
    {IDS_SETTINGS_PAGE_TRAY,
     kTrayPageImage,
     "settings.html#tray",
     {IDC_SETTINGS_SHOW_TRAY_ICON, IDC_SETTINGS_MINIMIZE_TO_TRAY, IDC_SETTINGS_AUTO_LOGOFF, IDC_SETTINGS_CLOSE_TO_TRAY,
      IDC_SETTINGS_MINIMIZE_ON_ESC, IDC_SETTINGS_LOCK_WHEN_IDLE, IDC_SETTINGS_IDLE_MINUTES,
      IDC_SETTINGS_IDLE_MINUTES_SPIN, IDC_SETTINGS_LOCK_ON_SESSION_LOCK}},
    {IDS_SETTINGS_PAGE_VIEW,
     kViewPageImage,
     "settings.html#view",
     {IDC_SETTINGS_SHOW_TOOLBAR, IDC_SETTINGS_SHOW_STATUS_BAR, IDC_SETTINGS_SAVE_WINDOW_POS,
      IDC_SETTINGS_LINES_INTO_TREE, IDC_SETTINGS_KEEP_ON_TOP}},
    {IDS_SETTINGS_PAGE_COMMON,
     kCommonPageImage,
     "settings.html#common",
     {IDC_SETTINGS_COPY_ON_MIDDLE_CLICK, IDC_SETTINGS_RUN_AT_STARTUP, IDC_SETTINGS_AUTO_DESTROY,
      IDC_SETTINGS_TIMEOUT_LABEL, IDC_SETTINGS_TIMEOUT, IDC_SETTINGS_TIMEOUT_SPIN, IDC_SETTINGS_CHECK_UPDATES,
      IDC_SETTINGS_SAVE_AFTER_CHANGE}},
    {IDS_SETTINGS_PAGE_AUTOFILL,
     kAutofillPageImage,
     "settings.html#autofill",
     {IDC_SETTINGS_HOTKEY_LABEL, IDC_SETTINGS_HOTKEY, IDC_SETTINGS_AUTOTYPE_LABEL, IDC_SETTINGS_AUTOTYPE_TIMEOUT,
      IDC_SETTINGS_AUTOTYPE_SPIN, IDC_SETTINGS_FILL_THROUGH_CLIPBOARD, IDC_SETTINGS_MONITOR, IDC_SETTINGS_HOTKEY_NOTE}},
}};

struct CheckBox {
    int id;
    bool ProgramOptions::*option;
};

const std::array<CheckBox, 19> kCheckBoxes = {{
    {IDC_SETTINGS_SHOW_TRAY_ICON, &ProgramOptions::showTrayIcon},
    {IDC_SETTINGS_MINIMIZE_TO_TRAY, &ProgramOptions::minimizeToTray},
    {IDC_SETTINGS_AUTO_LOGOFF, &ProgramOptions::autoLogOff},
    {IDC_SETTINGS_CLOSE_TO_TRAY, &ProgramOptions::closeToTray},
    {IDC_SETTINGS_MINIMIZE_ON_ESC, &ProgramOptions::minimizeOnEsc},
    {IDC_SETTINGS_SHOW_TOOLBAR, &ProgramOptions::showToolbar},
    {IDC_SETTINGS_SHOW_STATUS_BAR, &ProgramOptions::showStatusBar},
    {IDC_SETTINGS_SAVE_WINDOW_POS, &ProgramOptions::saveWindowPos},
    {IDC_SETTINGS_LINES_INTO_TREE, &ProgramOptions::linesIntoTree},
    {IDC_SETTINGS_KEEP_ON_TOP, &ProgramOptions::keepOnTop},
    {IDC_SETTINGS_COPY_ON_MIDDLE_CLICK, &ProgramOptions::copyOnMiddleClick},
    {IDC_SETTINGS_RUN_AT_STARTUP, &ProgramOptions::runAtStartup},
    {IDC_SETTINGS_AUTO_DESTROY, &ProgramOptions::enableAutoDestroy},
    {IDC_SETTINGS_CHECK_UPDATES, &ProgramOptions::checkUpdatesOnStart},
    {IDC_SETTINGS_FILL_THROUGH_CLIPBOARD, &ProgramOptions::autofillFromClipboard},
    {IDC_SETTINGS_MONITOR, &ProgramOptions::monitor},
    {IDC_SETTINGS_LOCK_WHEN_IDLE, &ProgramOptions::lockWhenIdle},
    {IDC_SETTINGS_LOCK_ON_SESSION_LOCK, &ProgramOptions::lockOnSessionLock},
    {IDC_SETTINGS_SAVE_AFTER_CHANGE, &ProgramOptions::saveAfterEveryChange},
}};

// The hot-key control's word: the virtual key in the low byte, the modifier bits in the high one.
WPARAM HotKeyWord(int key, int modifiers) {
    return MAKEWORD(static_cast<BYTE>(key), static_cast<BYTE>(modifiers));
}

} // namespace

const CommandTable<SettingsDialog> SettingsDialog::kCommands = {
    {IDC_SETTINGS_SHOW_TRAY_ICON, &SettingsDialog::ApplyEnableRules},
    {IDC_SETTINGS_MINIMIZE_TO_TRAY, &SettingsDialog::ApplyEnableRules},
    {IDC_SETTINGS_AUTO_DESTROY, &SettingsDialog::ApplyEnableRules},
    {IDC_SETTINGS_LOCK_WHEN_IDLE, &SettingsDialog::ApplyEnableRules},
};

SettingsDialog::SettingsDialog(Page firstPage) : Dialog(IDD_SETTINGS), m_firstPage(firstPage) {
    // The dialog's controls must exist as classes before the dialog is created.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    HeaderBand::Register();
}

bool SettingsDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    language.translateWindow(Handle());
    SetWindowTextA(Handle(), language.getString(IDS_TITLE_PROGRAM_SETTINGS).c_str());
    HeaderBand::SetIcon(Item(IDC_SETTINGS_HEADER), m_icons.Large());
    SetUpTabs();
    SetUpFields();
    ShowOptions(ProgramOptions::Load());
    // What OK compares with: the options as the controls show them before the user touches one.
    m_original = ReadOptions();
    m_chosen = m_original;
    ApplyEnableRules();
    SendMessageA(Item(IDC_SETTINGS_TABS), TCM_SETCURSEL, m_firstPage, 0);
    ShowPage(m_firstPage);
    return true;
}

void SettingsDialog::SetUpTabs() {
    const HWND tabs = Item(IDC_SETTINGS_TABS);
    // The pages' controls belong to the dialog and paint its background; a themed tab body is
    // lighter and would show them as grey bands, so the tab control is drawn in the classic style.
    SetWindowTheme(tabs, L" ", L" ");
    SendMessageA(tabs, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(SharedIcons::Get(WindowDpi::Of(tabs))));
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        std::string caption = LanguagePack::Instance().getString(kPages[i].captionId);
        TCITEMA item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = caption.data();
        item.iImage = kPages[i].image;
        SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
}

void SettingsDialog::SetUpFields() {
    SendMessageA(Item(IDC_SETTINGS_TIMEOUT_SPIN), UDM_SETRANGE32, ProgramOptions::kClipboardTimeoutMinimum,
                 ProgramOptions::kClipboardTimeoutMaximum);
    SendMessageA(Item(IDC_SETTINGS_AUTOTYPE_SPIN), UDM_SETRANGE32, ProgramOptions::kAutoTypeTimeoutMinimum,
                 ProgramOptions::kAutoTypeTimeoutMaximum);
    SendMessageA(Item(IDC_SETTINGS_IDLE_MINUTES_SPIN), UDM_SETRANGE32, IdleLock::kMinutesMinimum,
                 IdleLock::kMinutesMaximum);
    for (const int id : {IDC_SETTINGS_TIMEOUT, IDC_SETTINGS_AUTOTYPE_TIMEOUT, IDC_SETTINGS_IDLE_MINUTES}) {
        SendMessageA(Item(id), EM_LIMITTEXT, kNumberDigits, 0);
    }
    // A global hot key without Ctrl or Alt would swallow that key in every program: the control
    // turns a plain or shifted key into Ctrl+Alt+key.
    SendMessageA(Item(IDC_SETTINGS_HOTKEY), HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, HOTKEYF_CONTROL | HOTKEYF_ALT);
}

void SettingsDialog::ShowOptions(const ProgramOptions& options) {
    for (const CheckBox& box : kCheckBoxes) {
        SetChecked(box.id, options.*box.option);
    }
    SetItemText(IDC_SETTINGS_TIMEOUT, std::to_string(options.autoDestroyTimeout));
    SetItemText(IDC_SETTINGS_AUTOTYPE_TIMEOUT, std::to_string(options.autoTypeTimeout));
    SetItemText(IDC_SETTINGS_IDLE_MINUTES, std::to_string(options.idleMinutes));
    SendMessageA(Item(IDC_SETTINGS_HOTKEY), HKM_SETHOTKEY, HotKeyWord(options.hotKeyKey, options.hotKeyModifiers), 0);
    // The control shows the default that is registered instead; the note says why.
    SetItemText(IDC_SETTINGS_HOTKEY_NOTE,
                options.hotKeyReplaced ? LanguagePack::Instance().getString(IDS_SETTINGS_HOTKEY_REPLACED) : "");
}

ProgramOptions SettingsDialog::ReadOptions() const {
    ProgramOptions options;
    for (const CheckBox& box : kCheckBoxes) {
        options.*box.option = IsChecked(box.id);
    }
    options.autoDestroyTimeout = ProgramOptions::ClipboardTimeoutFromText(ItemText(IDC_SETTINGS_TIMEOUT));
    options.autoTypeTimeout = ProgramOptions::AutoTypeTimeoutFromText(ItemText(IDC_SETTINGS_AUTOTYPE_TIMEOUT));
    options.idleMinutes = ProgramOptions::IdleMinutesFromText(ItemText(IDC_SETTINGS_IDLE_MINUTES));
    const auto hotKey = static_cast<WORD>(SendMessageA(Item(IDC_SETTINGS_HOTKEY), HKM_GETHOTKEY, 0, 0));
    options.hotKeyKey = LOBYTE(hotKey);
    options.hotKeyModifiers = HIBYTE(hotKey);
    return options;
}

void SettingsDialog::ApplyEnableRules() {
    const ProgramOptions::Enables enabled = ReadOptions().Enabled();
    EnableItem(IDC_SETTINGS_MINIMIZE_TO_TRAY, enabled.minimizeToTray);
    EnableItem(IDC_SETTINGS_AUTO_LOGOFF, enabled.autoLogOff);
    EnableItem(IDC_SETTINGS_CLOSE_TO_TRAY, enabled.closeToTray);
    for (const int id : {IDC_SETTINGS_TIMEOUT_LABEL, IDC_SETTINGS_TIMEOUT, IDC_SETTINGS_TIMEOUT_SPIN}) {
        EnableItem(id, enabled.clipboardTimeout);
    }
    for (const int id : {IDC_SETTINGS_IDLE_MINUTES, IDC_SETTINGS_IDLE_MINUTES_SPIN}) {
        EnableItem(id, enabled.idleMinutes);
    }
}

std::string_view SettingsDialog::HelpPage() const {
    const LRESULT page = SendMessageA(Item(IDC_SETTINGS_TABS), TCM_GETCURSEL, 0, 0);
    return page >= 0 && static_cast<std::size_t>(page) < kPages.size() ? kPages[static_cast<std::size_t>(page)].helpPage
                                                                       : Dialog::HelpPage();
}

void SettingsDialog::ShowPage(int page) {
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        for (const int id : kPages[i].controls) {
            ShowItem(id, static_cast<int>(i) == page);
        }
    }
}

bool SettingsDialog::OnCommand(int id, int code, HWND control) {
    return kCommands.Dispatch(*this, id, code) || Dialog::OnCommand(id, code, control);
}

bool SettingsDialog::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_SETTINGS_TABS || header.code != TCN_SELCHANGE) {
        return Dialog::OnNotify(header, result);
    }
    ShowPage(static_cast<int>(SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0)));
    result = 0;
    return true;
}

void SettingsDialog::OnOk() {
    const ProgramOptions chosen = ReadOptions();
    // Only what the user changed: a value the dialog merely showed stays in the store as it was.
    if (!chosen.StoreChangesFrom(m_original)) {
        MessageBoxes::Error(Handle(), IDS_SETTINGS_NOT_SAVED);
        return;
    }
    m_chosen = chosen;
    End(IDOK);
}

} // namespace vaultlet
