#include "shell/win32/mainframe/MainFrame.h"

#include "autofill/win32/Win32InputSender.h"
#include "resources/resource.h"
#include "shell/AutofillSettings.h"
#include "shell/CommandAvailability.h"
#include "shell/CopySource.h"
#include "shell/CurrentDatabase.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/system/ProductTitle.h"
#include "shell/win32/system/RizeThread.h"
#include "shell/win32/ui/CommandCodes.h"
#include "shell/win32/ui/SharedIcons.h"
#include "shell/win32/ui/WindowDpi.h"

#include <windowsx.h>

#include <utility>

namespace vaultlet {
namespace {

constexpr UINT kRefreshMilliseconds = 5000;
constexpr UINT kMonitorMilliseconds = 2000;
// WM_DPICHANGED, which the headers of the Windows 7 target do not declare.
constexpr UINT kDpiChangedMessage = 0x02E0;

// The show commands of a normal start, which a window stored maximised turns into maximised.
bool IsPlainShow(int showCommand) {
    return showCommand == SW_SHOWNORMAL || showCommand == SW_SHOW || showCommand == SW_SHOWDEFAULT;
}

} // namespace

const CommandTable<MainFrame> MainFrame::kCommands = {
    {ID_FILE_NEW, &MainFrame::OnNew},
    {ID_FILE_OPEN, &MainFrame::OnOpen},
    {ID_FILE_SAVE, &MainFrame::OnSave},
    {ID_FILE_SAVE_AS, &MainFrame::OnSaveAs},
    {ID_FILE_LOCK, &MainFrame::OnLock},
    {ID_FILE_LOGOFF, &MainFrame::OnLogoff},
    {ID_APP_EXIT, &MainFrame::OnExit},
    {ID_VIEW_COMPACT_MODE, &MainFrame::OnCompactMode},
    {ID_OPTIONS_SETTINGS, &MainFrame::OnSettings},
    {ID_TRAY_SHOW_WINDOW, &MainFrame::OnShowWindow},
};

MainFrame::MainFrame(RizeThread* rizeThread, DatabaseFolders folders)
    : m_rizeThread(rizeThread), m_folders(std::move(folders)), m_list(m_folders),
      m_monitor(
          m_windowSystem, [](WindowHandle) { return std::make_unique<Win32InputSender>(); },
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
    const bool maximized = RestorePlacement();
    if (Settings::Read(setting::kCompactMode) != 0) {
        m_compact.SetNormalMaximized(maximized);
        ApplyCompact(true, false);
    }
    ShowWindow(Handle(), maximized && !m_compact.IsOn() && IsPlainShow(showCommand) ? SW_SHOWMAXIMIZED : showCommand);
    UpdateWindow(Handle());
    SetFocus(m_tree.Handle());
    return true;
}

int MainFrame::Run() {
    return RunMessageLoop(Handle(), m_accelerators);
}

bool MainFrame::OnCreate() {
    m_monitor.AddBuiltInTemplates();
    m_splitter.SetDpi(WindowDpi::Of(Handle()));
    if (!m_menu.Build(Handle()) || !CreateChildren()) {
        return false;
    }
    m_copy.Start(TIMER_CLIPBOARD_COUNTDOWN);
    Rebuild();
    if (m_rizeThread != nullptr) {
        m_rizeThread->SetWindow(Handle());
    }
    RegisterHotKeyFromSettings();
    m_refreshTimer.Start(Handle(), TIMER_TREE_REFRESH, kRefreshMilliseconds);
    m_monitorTimer.Start(Handle(), TIMER_WINDOW_MONITOR, kMonitorMilliseconds);
    m_unsaved.Listen(Handle());
    m_away.Start(Handle());
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
    if (id == IDC_MAIN_NOTE) {
        OnNoteEvent(code);
        return true;
    }
    if (code == kAcceleratorCommandCode && OnEditKey(id)) {
        return true;
    }
    if (m_busy > 0 && id != ID_TRAY_SHOW_WINDOW) {
        // Only the tray menu reaches the window while one of its dialogs runs.
        if (id == ID_FILE_LOCK || id == ID_FILE_LOGOFF) {
            m_session.Defer(id == ID_FILE_LOCK ? DatabaseSession::Transition::Lock
                                               : DatabaseSession::Transition::Logoff);
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
    return kCommands.Dispatch(*this, id, code) || m_copy.Dispatch(id, code) || m_edit.Dispatch(id, code) ||
           m_tools.Dispatch(id, code) || m_view.Dispatch(id, code);
}

bool MainFrame::OnNotify(const NMHDR& header, LRESULT& result) {
    result = 0;
    if (header.code == TTN_GETDISPINFOA) {
        return m_toolbar.OnToolTip(*reinterpret_cast<NMTTDISPINFOA*>(const_cast<NMHDR*>(&header)));
    }
    if (header.hwndFrom == m_tree.Handle()) {
        return OnTreeNotify(header, result);
    }
    return header.hwndFrom == m_items.Handle() && OnListNotify(header, result);
}

bool MainFrame::OnTreeNotify(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case TVN_GETDISPINFOA:
        m_tree.OnGetDispInfo(*reinterpret_cast<NMTVDISPINFOA*>(const_cast<NMHDR*>(&header)));
        return true;
    case TVN_SELCHANGEDA:
        if (!m_tree.IsQuiet()) {
            ShowSelection();
        }
        return true;
    case TVN_BEGINDRAGA:
        m_drag.Begin(reinterpret_cast<ModelNode*>(reinterpret_cast<const NMTREEVIEWA&>(header).itemNew.lParam));
        return true;
    case NM_RCLICK:
        ShowContextMenu(m_tree.Handle());
        result = 1;
        return true;
    case NM_DBLCLK:
        m_copy.OnDoubleClick(m_tree.SelectedNode());
        return false; // the tree still expands or collapses
    default:
        return false;
    }
}

bool MainFrame::OnListNotify(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case LVN_GETDISPINFOA:
        m_items.OnGetDispInfo(*reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(&header)));
        return true;
    case LVN_ITEMCHANGED:
        UpdateToolbar();
        return true;
    case LVN_BEGINDRAG:
        m_drag.Begin(m_items.NodeAt(reinterpret_cast<const NMLISTVIEW&>(header).iItem));
        return true;
    case NM_RCLICK:
        ShowContextMenu(m_items.Handle());
        return true;
    case NM_CLICK:
        // A link opens on a click on it, as a link does; a click elsewhere in its row only selects.
        m_copy.OpenLink(m_items.LinkAt(reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction));
        return true;
    case NM_CUSTOMDRAW:
        result = m_items.OnCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
        return true;
    case NM_DBLCLK: {
        // A double click copies a field's value; on a link, the click before it has opened it already.
        const ModelNode* node = m_items.NodeAt(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
        if (DoubleClickCopies(node)) {
            m_copy.Copy(node);
        }
        return true;
    }
    default:
        return false;
    }
}

void MainFrame::OnTimer(UINT_PTR timerId) {
    switch (timerId) {
    case TIMER_CLIPBOARD_COUNTDOWN:
        m_copy.OnTimer();
        RefreshStatus();
        break;
    case TIMER_TREE_REFRESH:
        m_tree.RefreshPasscards();
        break;
    case TIMER_WINDOW_MONITOR:
        OnMonitorTick();
        break;
    case TIMER_IDLE_LOCK:
        m_away.OnTimer();
        break;
    default:
        break;
    }
}

void MainFrame::OnSize(int, int) {
    if (m_busy > 0 && !IsIconic(Handle())) {
        // Back from a minimise: the dialogs it hid come back with the window.
        ShowOwnedPopups(Handle(), TRUE);
    }
    LayoutChildren();
}

void MainFrame::OnDestroy() {
    m_refreshTimer.Stop();
    m_monitorTimer.Stop();
    m_away.Stop();
    m_unsaved.StopListening();
    m_updates.Close();
    // The secret goes with the program: it is not left on the clipboard after exit.
    m_copy.Stop();
    m_tray.reset();
    m_hotKey.Unregister();
    ClearViews(false);
    if (m_rizeThread != nullptr && m_rizeThread->Window() == Handle()) {
        m_rizeThread->SetWindow(nullptr);
    }
    PostQuitMessage(0);
}

bool MainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (OnMouseMessage(message, lParam)) {
        result = TRUE;
        return true;
    }
    return m_updates.OnMessage(Handle(), message, wParam) || OnProgramMessage(message, wParam, lParam) ||
           OnSessionMessage(message, wParam, lParam, result) || OnSystemMessage(message, wParam, lParam);
}

bool MainFrame::OnProgramMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == TrayIcon::TaskbarCreatedMessage()) {
        if (m_tray) {
            m_tray->HandleTaskbarCreated();
        }
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
    case MSG_CHECK_FILE_ON_DISK:
        CheckFileOnDisk();
        return true;
    case MSG_PUT_CLIPBOARD:
        if (m_copy.OnPutClipboard(lParam)) {
            RefreshStatus();
        }
        return true;
    case MSG_SELECT_NODE:
        OnSelectNode(lParam);
        return true;
    case MSG_AUTOMATIC_LOCK:
        AutomaticLock(false);
        return true;
    case MSG_UNSAVED_CHANGES:
        OnUnsavedChanges();
        return true;
    default:
        return false;
    }
}

bool MainFrame::OnSystemMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        OnActivate(wParam);
        return false;
    case WM_HOTKEY:
        OnHotKey();
        return true;
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam);
    case WM_WINDOWPOSCHANGING:
        return OnWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
    case WM_CLOSE:
        OnClose();
        return true;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = m_compact.MinimumTrackSize(m_splitter.Dpi());
        return true;
    case kDpiChangedMessage:
        OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return true;
    case WM_INITMENUPOPUP:
        MainMenu::Update(reinterpret_cast<HMENU>(wParam), CurrentState());
        return true;
    case WM_MENUSELECT:
        m_menu.ShowPrompt(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        return true;
    case WM_PARENTNOTIFY:
        OnParentNotify(wParam, lParam);
        return false;
    case WM_CAPTURECHANGED:
        m_drag.OnCaptureChanged();
        return false;
    default:
        return false;
    }
}

bool MainFrame::OnMouseMessage(UINT message, LPARAM lParam) {
    if (message != WM_SETCURSOR && message != WM_LBUTTONDOWN && message != WM_MOUSEMOVE && message != WM_LBUTTONUP) {
        return false;
    }
    if (m_drag.OnMouse(message, lParam)) {
        return true;
    }
    if (m_compact.IsOn()) {
        return false; // one pane, no splitter
    }
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message == WM_SETCURSOR) {
        GetCursorPos(&point);
        ScreenToClient(Handle(), &point);
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    const PaneSplitter::Mouse outcome = m_splitter.OnMouse(
        Handle(), message, point, {0, m_toolbar.Height(), client.right, client.bottom - m_status.Height()});
    if (outcome == PaneSplitter::Mouse::Moved) {
        LayoutChildren();
    }
    return outcome != PaneSplitter::Mouse::Ignored;
}

void MainFrame::OnActivate(WPARAM state) {
    // Returning to the window, not its first activation right after the database was read. A
    // question asked inside the activation would be shown while it is half done.
    if (LOWORD(state) != WA_INACTIVE && std::exchange(m_activatedBefore, true)) {
        PostMessageA(Handle(), MSG_CHECK_FILE_ON_DISK, 0, 0);
    }
}

void MainFrame::OnClose() {
    if (m_busy == 0) {
        TryClose();
    } else {
        BringModalForward();
    }
}

void MainFrame::OnParentNotify(WPARAM event, LPARAM lParam) {
    if (LOWORD(event) != WM_MBUTTONDOWN || Settings::Read(setting::kCopyOnMiddleClick) == 0) {
        return;
    }
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (ChildWindowFromPoint(Handle(), point) != m_items.Handle()) {
        return;
    }
    // The row the user clicked, never the one selected before (the password next to the address
    // they meant): it is selected first, so the user sees what went to the clipboard. Below the
    // rows nothing is copied.
    MapWindowPoints(Handle(), m_items.Handle(), &point, 1);
    m_copy.Copy(m_items.SelectRowAt(point));
}

bool MainFrame::OnRangeCommand(int id) {
    if (id >= ID_BOOKMARK_FIRST && id <= ID_BOOKMARK_LAST) {
        if (m_tree.Select(m_bookmarks.PasscardOf(id))) {
            SetFocus(m_tree.Handle());
        }
        return true;
    }
    if (id < ID_LANGUAGE_FIRST || id > ID_LANGUAGE_LAST) {
        return false;
    }
    if (MainMenu::SwitchLanguage(id)) {
        m_menu.Build(Handle());
        RetitlePanes();
        RefreshStatus();
    }
    return true;
}

void MainFrame::ShowContextMenu(HWND control) {
    MainMenu::ShowContext(Handle(), control, control == m_tree.Handle());
}

void MainFrame::LeaveBusy() {
    if (--m_busy != 0 || Handle() == nullptr) {
        return;
    }
    // What came while a dialog was up happens now: first a lock or log-off, then an automatic lock
    // (which does nothing once the other one has hidden the database), then a file a second start
    // handed over, and a save of changes made meanwhile.
    switch (m_session.TakeDeferred()) {
    case DatabaseSession::Transition::Lock:
        PostMessageA(Handle(), WM_COMMAND, ID_FILE_LOCK, 0);
        break;
    case DatabaseSession::Transition::Logoff:
        PostMessageA(Handle(), WM_COMMAND, ID_FILE_LOGOFF, 0);
        break;
    case DatabaseSession::Transition::None:
        break;
    }
    if (m_session.TakeDeferredAutomaticLock()) {
        PostMessageA(Handle(), MSG_AUTOMATIC_LOCK, 0, 0);
    }
    if (std::exchange(m_pendingHandOver, false)) {
        PostMessageA(Handle(), MSG_OPEN_FILE, 0, 0);
    }
    m_unsaved.Remind();
}

void MainFrame::ModelChanged() {
    RefreshStatus();
    m_bookmarks.Rebuild(GetMenu(Handle()), CurrentDatabase::Get());
    UpdateToolbar();
}

} // namespace vaultlet
