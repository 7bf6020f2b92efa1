#include "shell/win32/login/LoginDialog.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/CurrentDatabase.h"
#include "shell/LoginListPlan.h"
#include "shell/LoginTexts.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/autofill/AutofillPasscardDialog.h"
#include "shell/win32/editing/FieldButtons.h"
#include "shell/win32/login/AddExistingDatabase.h"
#include "shell/win32/login/CreateNewDatabase.h"
#include "shell/win32/login/ManageDatabaseListDialog.h"
#include "shell/win32/login/SearchDatabasesDialog.h"
#include "shell/win32/options/AboutDialog.h"
#include "shell/win32/system/OwnWindows.h"
#include "shell/win32/system/ProductTitle.h"
#include "shell/win32/system/ProgramVersion.h"
#include "shell/win32/system/RizeThread.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/MessageBoxes.h"
#include "shell/win32/update/NewVersionDialog.h"
#include "shell/win32/update/UpdateChecker.h"

#include <utility>

namespace vaultlet {
namespace {

constexpr UINT kHideDelayMilliseconds = 200;
// WM_SYSCOMMAND: the system uses the low four bits of the command itself.
constexpr WPARAM kSystemCommandMask = 0xFFF0;
// The first login dialog of the process looks for a newer version, whatever "CheckUpdatesOnStart"
// says; later ones (after a lock or log-off) do not. Only the user-interface thread reads it.
bool g_updateCheckStarted = false;

bool TrayAllows(const IntSetting& option) {
    return Settings::Read(option) != 0 && Settings::Read(setting::kShowTrayIcon) != 0;
}

} // namespace

const CommandTable<LoginDialog> LoginDialog::kCommands = {
    {IDC_LOGIN_MANAGE_LINK, &LoginDialog::OnManageList},
    {IDC_LOGIN_ADD_LINK, &LoginDialog::OnAddExisting},
    {IDC_LOGIN_KEYBOARD, &LoginDialog::OnKeyboard},
    {IDC_LOGIN_DATABASE, &LoginDialog::OnSelectionChange, CBN_SELCHANGE},
    {ID_TRAY_SHOW_WINDOW, &LoginDialog::OnShowWindow},
    {ID_APP_ABOUT, &LoginDialog::OnAbout},
    {ID_APP_EXIT, &LoginDialog::OnExit},
};

LoginDialog::LoginDialog(Options options, DatabaseFolders folders)
    : Dialog(IDD_LOGIN), m_options(std::move(options)), m_list(std::move(folders)) {}

LoginDialog::~LoginDialog() = default;

bool LoginDialog::OnInit() {
    if (m_options.rizeThread != nullptr) {
        m_options.rizeThread->SetWindow(Handle());
    }
    if (Settings::Read(setting::kShowTrayIcon) != 0) {
        m_tray = std::make_unique<TrayIcon>(Handle(), MSG_TRAY_NOTIFY, IDR_PASSWORD_TRAY_MENU);
        m_tray->Show();
    }
    SetUpWindow();
    if (Settings::ReadList(setting::kDataBaseList).empty()) {
        // A first start finds the databases that already exist by itself.
        SearchDatabasesDialog search(m_list);
        search.RunModal(Handle());
    }
    FillList();
    m_hotKey.RegisterFromSettings(Handle());
    if (!m_options.shown) {
        m_hideTimer.Start(Handle(), TIMER_LOGIN_HIDE, kHideDelayMilliseconds);
    }
    if (!g_updateCheckStarted) {
        g_updateCheckStarted = true;
        UpdateChecker::StartCheck(UpdateChecker::Options::ForThisProgram(Handle(), true));
    }
    return false; // FillList put the focus into the password field
}

void LoginDialog::SetUpWindow() {
    const LanguagePack& language = LanguagePack::Instance();
    SetWindowTextA(Handle(), ProductTitle().c_str());
    m_icons.Apply(Handle(), IDI_PROGRAM);
    language.translateWindow(Handle());
    // The band's first line is the dialog's title; the language file gives only the second.
    SetItemText(IDC_LOGIN_HEADER, ProductTitle() + "\n" + language.getString(IDS_LOGIN_HEADER));
    HeaderBand::SetIcon(Item(IDC_LOGIN_HEADER), m_icons.Large());
    SetItemText(IDCANCEL, language.getString(IDS_CLOSE));
    m_toolTip.Create(Handle());
    FieldButtons::SetUpKeyboardButton(Handle(), IDC_LOGIN_KEYBOARD, m_toolTip);
    SetItemText(IDC_LOGIN_VERSION, ProgramVersion::OfThisProgram().Label());
    m_databases = ComboBox(Item(IDC_LOGIN_DATABASE));
    m_progress = ProgressBar(Item(IDC_LOGIN_PROGRESS));
}

void LoginDialog::FillList() {
    m_list.Load();
    m_databases.Clear();
    m_databases.Add(LanguagePack::Instance().getString(IDS_NEW_DATABASE_ENTRY));
    const LoginListPlan plan =
        LoginListPlan::Make(m_list, m_options.fileToOpen, m_options.fileGiven, Settings::Read(setting::kLastSelected));
    for (const std::string& text : plan.texts) {
        m_databases.Add(text);
    }
    EnableItem(IDC_LOGIN_PASSWORD, false);
    if (plan.selectedEntry >= 0) {
        m_databases.Select(plan.selectedEntry + 1);
    }
    // Unlocking compares the password with the open database and needs no file: the choice stays
    // locked and the password usable even when the file has gone meanwhile (a removed drive).
    const bool unlocking = CurrentDatabase::Get() != nullptr;
    const bool locked = plan.locked || unlocking;
    EnableItem(IDC_LOGIN_DATABASE, !locked);
    EnableItem(IDC_LOGIN_MANAGE_LINK, !locked);
    EnableItem(IDC_LOGIN_ADD_LINK, !locked);
    if (unlocking) {
        EnableItem(IDC_LOGIN_PASSWORD, true);
        EnableItem(IDOK, true);
    } else {
        ApplySelectionRule();
    }
    FocusItem(IDC_LOGIN_PASSWORD);
}

void LoginDialog::ApplySelectionRule() {
    const int selection = m_databases.Selection();
    if (selection == 0) {
        CreateDatabaseFromList();
        return;
    }
    const bool entry = selection > 0;
    EnableItem(IDC_LOGIN_PASSWORD, entry);
    EnableItem(IDOK, entry);
}

void LoginDialog::CreateDatabaseFromList() {
    std::unique_ptr<EncryptedDatabase> database = CreateNewDatabase(Handle(), m_list);
    if (database == nullptr) {
        m_databases.Select(-1);
        ApplySelectionRule();
        return;
    }
    const std::string path = database->Path();
    CurrentDatabase::Set(std::move(database));
    if (!path.empty()) {
        m_options.fileToOpen = path;
        FillList();
    } else {
        m_databases.Select(-1);
    }
    // The user has just chosen the password; there is nothing to ask.
    End(IDOK);
}

std::string LoginDialog::SelectedPath() const {
    const int entry = m_databases.Selection() - 1;
    const auto& entries = m_list.Entries();
    return entry >= 0 && static_cast<std::size_t>(entry) < entries.size()
               ? entries[static_cast<std::size_t>(entry)].path
               : std::string();
}

void LoginDialog::OnOk() {
    const SecureString password = ItemSecret(IDC_LOGIN_PASSWORD);
    if (password.empty()) {
        MessageBoxes::Error(Handle(), IDS_INVALID_PASSWORD);
        FocusItem(IDC_LOGIN_PASSWORD);
        return;
    }
    const bool opened = CurrentDatabase::Get() == nullptr ? OpenSelected(password) : Unlock(password);
    if (opened) {
        FillAfterHotKey();
        End(IDOK);
    }
}

bool LoginDialog::OpenSelected(const SecureString& password) {
    auto database = std::make_unique<EncryptedDatabase>(m_list.Files());
    database->SetPassword(password.Viewed());
    database->SetPath(SelectedPath());
    const LoadResult result = database->Load({}, &m_progress);
    if (result != LoadResult::Loaded) {
        database.reset();
        RejectPassword(LoadFailureMessage(result));
        return false;
    }
    Settings::Write(setting::kLastSelected, database->Path());
    CurrentDatabase::Set(std::move(database));
    return true;
}

bool LoginDialog::Unlock(const SecureString& password) {
    EncryptedDatabase* database = CurrentDatabase::Get();
    if (!database->CheckPassword(password.Viewed())) {
        RejectPassword(IDS_INVALID_PASSWORD);
        return false;
    }
    Settings::Write(setting::kLastSelected, database->Path());
    return true;
}

void LoginDialog::RejectPassword(int messageId) {
    ClearSecret(IDC_LOGIN_PASSWORD);
    MessageBoxes::Error(Handle(), messageId);
    FocusItem(IDC_LOGIN_PASSWORD);
}

bool LoginDialog::OnCommand(int id, int code, HWND control) {
    return kCommands.Dispatch(*this, id, code) || Dialog::OnCommand(id, code, control);
}

void LoginDialog::OnSelectionChange() {
    ApplySelectionRule();
}

void LoginDialog::OnManageList() {
    ManageDatabaseListDialog manage(m_list.Folders());
    manage.RunModal(Handle());
    FillList();
}

void LoginDialog::OnAddExisting() {
    const std::string path = AddExistingDatabase(Handle(), m_list);
    if (!path.empty()) {
        m_options.fileToOpen = path;
        FillList();
    }
}

void LoginDialog::OnKeyboard() {
    FieldButtons::ToggleKeyboard(Item(IDC_LOGIN_PASSWORD));
}

void LoginDialog::OnShowWindow() {
    m_options.shown = true;
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void LoginDialog::OnAbout() {
    AboutDialog about;
    about.RunModal(Handle());
}

void LoginDialog::OnExit() {
    End(ID_APP_EXIT);
}

void LoginDialog::OnTimer(UINT_PTR timerId) {
    if (timerId == TIMER_LOGIN_HIDE) {
        m_hideTimer.Stop();
        ShowWindow(Handle(), SW_HIDE);
    }
}

bool LoginDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == TrayIcon::TaskbarCreatedMessage()) {
        if (m_tray) {
            m_tray->HandleTaskbarCreated();
        }
        return true;
    }
    switch (message) {
    case MSG_TRAY_NOTIFY:
        OnTrayNotify(lParam);
        return true;
    case MSG_OPEN_FILE:
        OnOpenFile();
        return true;
    case WM_HOTKEY:
        OnHotKey();
        return true;
    case MSG_UPDATE_AVAILABLE:
        NewVersionDialog::ShowLatest(Handle());
        return true;
    case WM_SYSCOMMAND:
        result = TRUE;
        return OnSysCommand(wParam);
    default:
        return false;
    }
}

void LoginDialog::OnTrayNotify(LPARAM mouseMessage) {
    if (m_tray && m_tray->HandleCallback(mouseMessage)) {
        m_options.shown = true;
    }
}

void LoginDialog::OnOpenFile() {
    const std::string path = Settings::Read(setting::kOpenFile);
    std::string name;
    int cipherId = 0;
    if (!ProbeFile(path, name, cipherId, m_list.Files())) {
        MessageBoxes::Error(Handle(), IDS_INCORRECT_FILE_FORMAT);
        return;
    }
    m_list.AddFile(path);
    m_options.fileToOpen = path;
    m_options.fileGiven = true;
    FillList();
}

void LoginDialog::FillAfterHotKey() {
    // The hot key pressed in another program called the login up: once the database is open, the
    // user picks what to fill into that program. An unlock long after the key is no answer to it,
    // and a window that changed meanwhile (another page, another program under the same handle) is
    // not the one the user meant.
    const AutofillTarget target = std::exchange(m_hotKeyTarget, AutofillTarget());
    EncryptedDatabase* database = CurrentDatabase::Get();
    if (target.Window() == nullptr || database == nullptr || !target.IsRecentAt(GetTickCount64())) {
        return;
    }
    ShowWindow(Handle(), SW_HIDE);
    if (!target.IsUnchanged(m_windows) || IsOwnWindow(static_cast<HWND>(target.Window()))) {
        MessageBoxes::Error(Handle(), IDS_AUTOFILL_TARGET_CHANGED);
        return;
    }
    AutofillPasscardDialog chooser(target, *database);
    chooser.RunModal(GetActiveWindow());
}

void LoginDialog::OnHotKey() {
    const HWND foreground = GetForegroundWindow();
    if (foreground == Handle()) {
        return;
    }
    if (!IsOwnWindow(foreground)) {
        m_hotKeyTarget = AutofillTarget::Take(m_windows, foreground, GetTickCount64());
    }
    OnShowWindow();
}

bool LoginDialog::OnSysCommand(WPARAM command) {
    switch (command & kSystemCommandMask) {
    case SC_MINIMIZE:
        if (!TrayAllows(setting::kMinimizeToTray)) {
            return false;
        }
        ShowWindow(Handle(), SW_HIDE);
        return true;
    case SC_CLOSE:
        if (!TrayAllows(setting::kCloseToTray)) {
            return false;
        }
        PostMessageA(Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return true;
    case SC_RESTORE:
        // A second start raises the dialog: a hide still pending from a "-minimize" start that
        // moments ago must not take it away again.
        m_hideTimer.Stop();
        m_options.shown = true;
        return false;
    default:
        return false;
    }
}

void LoginDialog::OnDestroy() {
    // An edit control frees its text without wiping it.
    ClearSecret(IDC_LOGIN_PASSWORD);
    m_hideTimer.Stop();
    m_tray.reset();
    m_hotKey.Unregister();
    if (m_options.rizeThread != nullptr && m_options.rizeThread->Window() == Handle()) {
        m_options.rizeThread->SetWindow(nullptr);
    }
}

} // namespace vaultlet
