#include "shell/win32/mainframe/MainFrame.h"

#include "autofill/win32/Win32InputSender.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/AutofillSettings.h"
#include "shell/CommandAvailability.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/app/ProductTitle.h"
#include "shell/win32/app/RizeThread.h"
#include "shell/win32/app/SharedIcons.h"

#include <windowsx.h>

#include <utility>

namespace vaultlet {
namespace {

constexpr UINT kRefreshMilliseconds = 5000;
constexpr UINT kMonitorMilliseconds = 2000;

} // namespace

const CommandTable<MainFrame> MainFrame::kCommands = {
    {ID_FILE_NEW, &MainFrame::OnNew},
    {ID_FILE_OPEN, &MainFrame::OnOpen},
    {ID_FILE_SAVE, &MainFrame::OnSave},
    {ID_FILE_SAVE_AS, &MainFrame::OnSaveAs},
    {ID_FILE_LOCK, &MainFrame::OnLock},
    {ID_FILE_LOGOFF, &MainFrame::OnLogoff},
    {ID_FILE_CHANGE_MASTER_PASSWORD, &MainFrame::OnChangePassword},
    {ID_FILE_DATABASE_SETTINGS, &MainFrame::OnDatabaseSettings},
    {ID_FILE_INSTALL_REMOVABLE, &MainFrame::OnInstallRemovable},
    {ID_APP_EXIT, &MainFrame::OnExit},
    {ID_EDIT_COPY, &MainFrame::OnCopy},
    {ID_EDIT_ADD_GROUP, &MainFrame::OnAddGroup},
    {ID_EDIT_ADD_PASSCARD, &MainFrame::OnAddPasscard},
    {ID_EDIT_ADD_ITEM, &MainFrame::OnAddItem},
    {ID_EDIT_ADD, &MainFrame::OnAdd},
    {ID_EDIT_EDIT, &MainFrame::OnEdit},
    {ID_EDIT_DELETE, &MainFrame::OnDelete},
    {ID_EDIT_DUPLICATE, &MainFrame::OnDuplicate},
    {ID_BOOKMARKS_ADD, &MainFrame::OnAddBookmark},
    {ID_BOOKMARKS_REMOVE, &MainFrame::OnRemoveBookmark},
    {ID_EDIT_SELECT_ALL, &MainFrame::OnSelectAll},
    {ID_EDIT_COLLAPSE_ALL, &MainFrame::OnCollapseAll},
    {ID_EDIT_EXPAND_ALL, &MainFrame::OnExpandAll},
    {ID_VIEW_TOOLBAR, &MainFrame::OnToggleToolbar},
    {ID_VIEW_STATUS_BAR, &MainFrame::OnToggleStatusBar},
    {ID_VIEW_ALWAYS_ON_TOP, &MainFrame::OnAlwaysOnTop},
    {ID_VIEW_COMPACT_MODE, &MainFrame::OnCompactMode},
    {ID_OPTIONS_MANAGE_DATABASES, &MainFrame::OnManageDatabases},
    {ID_OPTIONS_SETTINGS, &MainFrame::OnSettings},
    {ID_FILE_EXPORT, &MainFrame::OnExport},
    {ID_EDIT_EXPORT_ITEM, &MainFrame::OnExportItem},
    {ID_FILE_IMPORT, &MainFrame::OnImport},
    {ID_FILE_PRINT, &MainFrame::OnPrint},
    {ID_EDIT_PRINT_ITEM, &MainFrame::OnPrintItem},
    {ID_TOOLS_PASSWORD_GENERATOR, &MainFrame::OnGenerator},
    {ID_APP_ABOUT, &MainFrame::OnAbout},
    {ID_HELP_CHECK_UPDATES, &MainFrame::OnCheckUpdates},
    {ID_HELP_USER_GUIDE, &MainFrame::OnUserGuide},
    {ID_TRAY_SHOW_WINDOW, &MainFrame::OnShowWindow},
    {ID_NEXT_FOCUS, &MainFrame::OnNextFocus},
    {ID_ESCAPE, &MainFrame::OnEscape},
};

MainFrame::MainFrame(RizeThread* rizeThread, DatabaseFolders folders)
    : m_rizeThread(rizeThread), m_folders(std::move(folders)), m_list(m_folders), m_session(*this, m_list),
      m_monitor(
          m_windowSystem,
          [](WindowHandle owner) { return std::make_unique<Win32InputSender>(static_cast<HWND>(owner)); },
          AutofillOptionsFromSettings) {}

MainFrame::~MainFrame() = default;

bool MainFrame::Create(int showCommand) {
    m_accelerators = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_ACCELERATORS));
    const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM));
    const DWORD extendedStyle = Settings::Read(setting::kKeepOnTop) != 0 ? WS_EX_TOPMOST : 0;
    if (!Window::Create(kClassName, ProductTitle().c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, extendedStyle,
                        nullptr, icon)) {
        return false;
    }
    RestorePlacement();
    if (Settings::Read(setting::kCompactMode) != 0) {
        ApplyCompact(true, false);
    }
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
    SetFocus(m_tree.Handle());
    return true;
}

int MainFrame::Run() {
    return RunMessageLoop(Handle(), m_accelerators);
}

bool MainFrame::OnCreate() {
    m_monitor.AddBuiltInTemplates();
    if (!BuildMenu() || !CreateChildren()) {
        return false;
    }
    m_clipboard = std::make_unique<SecretClipboard>(Handle(), TIMER_CLIPBOARD_COUNTDOWN);
    Rebuild();
    if (m_rizeThread != nullptr) {
        m_rizeThread->SetWindow(Handle());
    }
    RegisterHotKey();
    m_refreshTimer.Start(Handle(), TIMER_TREE_REFRESH, kRefreshMilliseconds);
    m_monitorTimer.Start(Handle(), TIMER_WINDOW_MONITOR, kMonitorMilliseconds);
    if (Settings::ReadCheckUpdatesOnStart() != 0) {
        m_updates.StartSilentCheck(Handle());
    }
    return true;
}

bool MainFrame::OnCommand(int id, int code, HWND) {
    if (id == IDC_MAIN_QUICK_SEARCH) {
        OnSearchEvent(code);
        return true;
    }
    if (code == 1 && OnEditKey(id)) {
        return true;
    }
    if (m_busy > 0 && id != ID_TRAY_SHOW_WINDOW) {
        // Only the tray menu reaches the window while one of its dialogs runs. A lock or log-off
        // asked for meanwhile must not pull the database from under the dialog, nor be forgotten:
        // it follows as soon as the dialog ends.
        if (id == ID_FILE_LOCK || id == ID_FILE_LOGOFF) {
            m_pendingTransition = m_pendingTransition == ID_FILE_LOGOFF ? ID_FILE_LOGOFF : id;
        }
        BringModalForward();
        return true;
    }
    if (OnRangeCommand(id)) {
        return true;
    }
    if (!CommandStateOf(id, CurrentState()).enabled) {
        return true;
    }
    return kCommands.Dispatch(*this, id, code);
}

bool MainFrame::OnNotify(const NMHDR& header, LRESULT& result) {
    result = 0;
    if (header.code == TTN_GETDISPINFOA) {
        return m_toolbar.OnToolTip(*reinterpret_cast<NMTTDISPINFOA*>(const_cast<NMHDR*>(&header)));
    }
    if (header.hwndFrom == m_tree.Handle()) {
        switch (header.code) {
        case TVN_GETDISPINFOA:
            m_tree.OnGetDispInfo(*reinterpret_cast<NMTVDISPINFOA*>(const_cast<NMHDR*>(&header)));
            return true;
        case TVN_SELCHANGEDA:
            OnSelectionChanged();
            return true;
        case TVN_BEGINDRAGA:
            BeginDrag(reinterpret_cast<ModelNode*>(reinterpret_cast<const NMTREEVIEWA&>(header).itemNew.lParam));
            return true;
        case NM_RCLICK:
            ShowContextMenu(m_tree.Handle());
            result = 1;
            return true;
        case NM_DBLCLK:
            OpenLink(m_tree.SelectedNode());
            return false; // the tree still expands or collapses

        default:
            return false;
        }
    }
    if (header.hwndFrom == m_items.Handle()) {
        switch (header.code) {
        case LVN_GETDISPINFOA:
            m_items.OnGetDispInfo(*reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(&header)));
            return true;
        case LVN_ITEMCHANGED:
            UpdateToolbar();
            return true;
        case LVN_BEGINDRAG:
            BeginDrag(m_items.NodeAt(reinterpret_cast<const NMLISTVIEW&>(header).iItem));
            return true;
        case NM_RCLICK:
            ShowContextMenu(m_items.Handle());
            return true;
        case NM_DBLCLK:
            OpenLink(m_items.NodeAt(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem));
            return true;
        default:
            return false;
        }
    }
    return false;
}

void MainFrame::OnTimer(UINT_PTR timerId) {
    switch (timerId) {
    case TIMER_CLIPBOARD_COUNTDOWN:
        m_clipboard->OnTimer();
        RefreshStatus();
        break;
    case TIMER_TREE_REFRESH:
        m_tree.RefreshPasscards();
        break;
    case TIMER_WINDOW_MONITOR:
        OnMonitorTick();
        break;
    default:
        break;
    }
}

void MainFrame::OnSize(int, int) {
    LayoutChildren();
}

void MainFrame::OnDestroy() {
    m_refreshTimer.Stop();
    m_monitorTimer.Stop();
    m_updates.Close();
    // The secret goes with the program: it is not left on the clipboard after exit.
    m_clipboard.reset();
    m_tray.reset();
    m_hotKey.Unregister();
    ClearViews(false);
    if (m_rizeThread != nullptr && m_rizeThread->Window() == Handle()) {
        m_rizeThread->SetWindow(nullptr);
    }
    PostQuitMessage(0);
}

bool MainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == TrayIcon::TaskbarCreatedMessage()) {
        if (m_tray) {
            m_tray->HandleTaskbarCreated();
        }
        return true;
    }
    if (m_updates.OnMessage(Handle(), message, wParam)) {
        return true;
    }
    switch (message) {
    case MSG_MAIN_TRAY_NOTIFY:
        if (m_tray && m_login == nullptr) {
            m_tray->HandleCallback(lParam);
        }
        return true;
    case MSG_OPEN_FILE:
        HandOver();
        return true;
    case WM_ACTIVATE:
        // Returning to the window, not its first activation right after the database was read. A
        // question asked inside the activation would be shown while it is half done.
        if (LOWORD(wParam) != WA_INACTIVE && std::exchange(m_activatedBefore, true)) {
            PostMessageA(Handle(), MSG_CHECK_FILE_ON_DISK, 0, 0);
        }
        return false;
    case MSG_CHECK_FILE_ON_DISK:
        CheckFileOnDisk();
        return true;
    case MSG_PUT_CLIPBOARD:
        OnPutClipboard(lParam);
        return true;
    case MSG_SELECT_NODE:
        OnSelectNode(lParam);
        return true;
    case WM_HOTKEY:
        OnHotKey();
        return true;
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam);
    case WM_WINDOWPOSCHANGING:
        return OnWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
    case WM_CLOSE:
        if (m_busy == 0) {
            TryClose();
        } else {
            BringModalForward();
        }
        return true;
    case WM_ENDSESSION: {
        BusyScope busy(*this);
        m_session.EndSession(wParam != FALSE);
        return true;
    }
    case WM_GETMINMAXINFO: {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = m_compact ? POINT{100, 400} : POINT{532, 400};
        return true;
    }
    case WM_INITMENUPOPUP:
        UpdateMenu(reinterpret_cast<HMENU>(wParam));
        return true;
    case WM_MENUSELECT:
        ShowMenuPrompt(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        return true;
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_MBUTTONDOWN && Settings::Read(setting::kCopyOnMiddleClick) != 0) {
            const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (ChildWindowFromPoint(Handle(), point) == m_items.Handle()) {
                CopyNode(m_items.SelectedNode());
            }
        }
        return false;
    case WM_CAPTURECHANGED:
        m_dragNode = nullptr;
        TreeView_SelectDropTarget(m_tree.Handle(), nullptr);
        return false;
    case WM_SETCURSOR:
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        if (OnDragMouse(message, lParam) || OnSplitterMouse(message, lParam)) {
            result = TRUE;
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace vaultlet
