// The main window's child windows: creation, layout, filling them from the model, the compact
// layout, the window's place on the screen and the keys typed into its edit boxes.
#include "core/Database.h"
#include "core/Item.h"
#include "core/Passcard.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/CommandAvailability.h"
#include "shell/CopySource.h"
#include "shell/CurrentDatabase.h"
#include "shell/MainWindowRules.h"
#include "shell/NodeEditing.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/mainframe/MainFrame.h"
#include "shell/win32/ui/WindowDpi.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <string>

namespace vaultlet {

bool MainFrame::CreateChildren() {
    if (!m_toolbar.Create(Handle()) || !m_status.Create(Handle(), IDC_MAIN_STATUS)) {
        return false;
    }
    m_treeTitle = CreateTitle(IDC_MAIN_TREE_TITLE, IDS_PANE_TREE);
    m_itemsTitle = CreateTitle(IDC_MAIN_ITEMS_TITLE, IDS_PANE_ITEMS);
    m_noteTitle = CreateTitle(IDC_MAIN_NOTE_TITLE, IDS_PANE_NOTE);
    const HWND search = CreateWindowExA(
        WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0, Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MAIN_QUICK_SEARCH)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(search, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    m_search.Attach(search);
    if (!m_tree.Create(Handle(), IDC_MAIN_TREE, Settings::Read(setting::kLinesIntoTree) != 0) ||
        !m_items.Create(Handle(), IDC_MAIN_LIST) || !m_note.Create(Handle(), IDC_MAIN_NOTE)) {
        return false;
    }
    m_toolbar.Show(Settings::Read(setting::kShowToolbar) != 0);
    ShowWindow(m_status.Handle(), Settings::Read(setting::kShowStatusBar) != 0 ? SW_SHOW : SW_HIDE);
    return true;
}

HWND MainFrame::CreateTitle(int id, int stringId) const {
    const std::string text = LanguagePack::Instance().getString(stringId);
    const HWND title = CreateWindowExA(
        0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, 0, 0, 0, 0, Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return title;
}

void MainFrame::LayoutChildren() {
    m_toolbar.Layout();
    m_status.Layout();
    RECT client{};
    GetClientRect(Handle(), &client);
    const PaneLayout layout =
        m_compact.PanesIn({0, m_toolbar.Height(), client.right, client.bottom - m_status.Height()}, m_splitter);
    const auto place = [](HWND window, const PaneLayout::Rect& rect) {
        // A pane that moves is painted anew, its child windows (the list's header) too: the system's
        // copy of its old picture at the new place does not match what a resized list shows.
        SetWindowPos(window, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    };
    place(m_treeTitle, layout.TreeTitle());
    place(m_search.Handle(), layout.Search());
    place(m_tree.Handle(), layout.Tree());
    place(m_itemsTitle, layout.ItemsTitle());
    place(m_items.Handle(), layout.Items());
    place(m_noteTitle, layout.NoteTitle());
    place(m_note.Handle(), layout.Note());
}

void MainFrame::Rebuild() {
    EnsureTray();
    ClearViews(true);
    EncryptedDatabase* database = CurrentDatabase::Get();
    if (database != nullptr) {
        PasscardTree::Quiet quiet(m_tree);
        m_tree.Fill(*database);
    }
    ShowSelection();
    SetFocus(m_tree.Handle());
    RefreshStatus();
    // The entries are those of this database: after a log-off, an open or an import the old ones
    // would name (and select) passcards that are gone.
    m_bookmarks.Rebuild(GetMenu(Handle()), database);
    m_expiredNote.ShowOnce(database, m_status);
}

void MainFrame::ReplaceModel(const std::function<void()>& replace) {
    ClearViews(false);
    replace();
    Rebuild();
    ModelChanged();
}

void MainFrame::ClearViews(bool commitNote) {
    if (commitNote) {
        m_note.Commit();
    }
    m_note.Forget();
    // Deleting the selected tree item announces a new selection; the nodes may be gone by then.
    PasscardTree::Quiet quiet(m_tree);
    m_items.Clear();
    m_tree.Clear();
    // The bookmark entries name passcards: nothing of the database stays in the menu either.
    m_bookmarks.Rebuild(GetMenu(Handle()), nullptr);
}

void MainFrame::ShowPanes(bool shown) const {
    ShowWindow(m_tree.Handle(), shown ? SW_SHOW : SW_HIDE);
    for (HWND pane : {m_items.Handle(), m_note.Handle(), m_itemsTitle, m_noteTitle}) {
        ShowWindow(pane, shown && !m_compact.IsOn() ? SW_SHOW : SW_HIDE);
    }
}

void MainFrame::OnCompactMode() {
    ApplyCompact(!m_compact.IsOn(), true);
}

void MainFrame::ApplyCompact(bool compact, bool store) {
    if (store) {
        Settings::Write(setting::kCompactMode, compact ? 1 : 0);
    }
    if (compact == m_compact.IsOn()) {
        return;
    }
    m_compact.Apply(Handle(), compact, CompactWidth());
    m_toolbar.Show(!compact && Settings::Read(setting::kShowToolbar) != 0);
    ShowPanes(m_login == nullptr); // while a login is up, the panes stay hidden
    // Items appear in the tree, or leave it; the selection stays on the node (or its passcard).
    ModelNode* selected = m_tree.SelectedNode();
    if (!compact && selected != nullptr && selected->Kind() == NodeKind::Item) {
        selected = selected->Parent();
    }
    m_tree.SetShowItems(compact);
    Rebuild();
    m_tree.Select(selected);
    LayoutChildren();
}

int MainFrame::CompactWidth() const {
    // The bar's own flag: at the start the window itself is not shown yet.
    const bool statusShown = (GetWindowLongPtrA(m_status.Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
    const int status = statusShown ? m_status.MinimumWidth() : 0;
    return std::max(m_splitter.TreeWidth(), status);
}

void MainFrame::ShowSelection() {
    ModelNode* node = m_tree.SelectedNode();
    // Show() first stores what the user typed for the node selected before.
    m_note.Show(node);
    m_items.Show(node);
    UpdateToolbar();
}

void MainFrame::RefreshStatus() {
    const int seconds = m_copy.SecondsLeft();
    if (seconds > 0) {
        m_status.ShowCountdown(seconds);
    } else {
        m_status.ShowStatistics(CurrentDatabase::Get());
    }
    m_unsaved.Show();
}

void MainFrame::OnNoteEvent(int code) {
    if (code == EN_CHANGE) {
        m_unsaved.Show();
    } else if (code == EN_KILLFOCUS && Settings::Read(setting::kSaveAfterEveryChange) != 0) {
        // Saved when the user leaves the note, not at every keystroke.
        m_note.Commit();
    }
}

FrameState MainFrame::CurrentState() const {
    FrameState state;
    if (const ModelNode* node = m_selection.ForMenus()) {
        state.selected = node->Kind();
        state.bookmarked = node->Kind() == NodeKind::Passcard && static_cast<const Passcard*>(node)->Bookmark();
        state.hasLogin = CopySource(node, CopyWhat::Login) != nullptr;
        state.hasPassword = CopySource(node, CopyWhat::Password) != nullptr;
    }
    state.noteFocused = GetFocus() == m_note.Handle();
    state.toolbarShown = m_toolbar.IsShown();
    state.statusBarShown = IsWindowVisible(m_status.Handle()) != FALSE;
    state.keepOnTop = Settings::Read(setting::kKeepOnTop) != 0;
    state.compact = m_compact.IsOn();
    return state;
}

void MainFrame::UpdateToolbar() const {
    const FrameState state = CurrentState();
    m_toolbar.ForEachCommand([&](int id) { m_toolbar.Enable(id, CommandStateOf(id, state).enabled); });
}

bool MainFrame::RestorePlacement() {
    const DpiScale dpi = m_splitter.Dpi();
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int width = dpi.Scale(kDefaultWidth);
    const int height = dpi.Scale(kDefaultHeight);
    RECT rect{work.left + (work.right - work.left - width) / 2, work.top + (work.bottom - work.top - height) / 2, 0, 0};
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    bool maximized = false;
    if (Settings::Read(setting::kSaveWindowPos) != 0) {
        // Stored at the scaling of its day, which may not be today's.
        const DpiScale storedAt(Settings::Read(setting::kMainWindowDpi));
        const main_window::StoredRect stored{
            Settings::Read(setting::kMainWindowLeft), Settings::Read(setting::kMainWindowTop),
            Settings::Read(setting::kMainWindowRight), Settings::Read(setting::kMainWindowBottom)};
        if (main_window::AcceptStoredRect(stored, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))) {
            const main_window::StoredRect used =
                main_window::RescaleStoredRect(stored, storedAt, dpi, {work.left, work.top, work.right, work.bottom});
            rect = {used.left, used.top, used.right, used.bottom};
        }
        m_splitter.Restore(Settings::Read(setting::kPaneTree), Settings::Read(setting::kPaneItems), storedAt);
        maximized = Settings::Read(setting::kMainWindowMaximized) != 0;
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(Handle(), &placement);
    placement.showCmd = SW_HIDE;
    placement.rcNormalPosition = rect;
    if (maximized) {
        placement.flags |= WPF_RESTORETOMAXIMIZED; // a start minimised comes back maximised
    }
    SetWindowPlacement(Handle(), &placement);
    LayoutChildren();
    return maximized;
}

void MainFrame::StorePlacement() const {
    if (Settings::Read(setting::kSaveWindowPos) == 0) {
        return;
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(Handle(), &placement) == FALSE) {
        return;
    }
    Settings::Write(setting::kMainWindowLeft, placement.rcNormalPosition.left);
    Settings::Write(setting::kMainWindowTop, placement.rcNormalPosition.top);
    Settings::Write(setting::kMainWindowRight, placement.rcNormalPosition.right);
    Settings::Write(setting::kMainWindowBottom, placement.rcNormalPosition.bottom);
    Settings::Write(setting::kPaneTree, m_splitter.TreeWidth());
    Settings::Write(setting::kPaneItems, m_splitter.ItemsHeight());
    Settings::Write(setting::kMainWindowDpi, m_splitter.Dpi().Dpi());
    const bool minimizedFromMaximized =
        placement.showCmd == SW_SHOWMINIMIZED && (placement.flags & WPF_RESTORETOMAXIMIZED) != 0;
    Settings::Write(setting::kMainWindowMaximized,
                    IsZoomed(Handle()) || minimizedFromMaximized || m_compact.NormalMaximized() ? 1 : 0);
}

void MainFrame::OnDpiChanged(int dpi, const RECT& suggested) {
    const DpiScale from = m_splitter.Dpi();
    const DpiScale to(dpi);
    m_splitter.SetDpi(to);
    m_toolbar.SetDpi(to);
    m_tree.SetDpi(to);
    m_items.SetDpi(to);
    m_status.SetDpi(to);
    ScalePaneFonts(from, to);
    // The system's suggestion keeps the window where the user dragged it, at the new scaling.
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutChildren();
}

void MainFrame::ScalePaneFonts(const DpiScale& from, const DpiScale& to) {
    // Each pane keeps its kind of font (the system's for tree and list, the dialog font for titles,
    // search and note), made for the new resolution.
    std::vector<UniqueGdiObject> fonts;
    for (const HWND pane : {m_treeTitle, m_itemsTitle, m_noteTitle, m_search.Handle(), m_tree.Handle(),
                            m_items.Handle(), m_note.Handle(), m_status.Handle()}) {
        auto current = reinterpret_cast<HFONT>(SendMessageA(pane, WM_GETFONT, 0, 0));
        LOGFONTA font{};
        if (GetObjectA(current != nullptr ? current : GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font) == 0) {
            continue;
        }
        font.lfHeight = to.From(font.lfHeight, from);
        fonts.emplace_back(CreateFontIndirectA(&font));
        SendMessageA(pane, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.back().Get()), TRUE);
    }
    m_paneFonts = std::move(fonts); // the previous ones only now, when no pane uses them
}

void MainFrame::RetitlePanes() {
    const LanguagePack& language = LanguagePack::Instance();
    SetWindowTextA(m_treeTitle, language.getString(IDS_PANE_TREE).c_str());
    SetWindowTextA(m_itemsTitle, language.getString(IDS_PANE_ITEMS).c_str());
    SetWindowTextA(m_noteTitle, language.getString(IDS_PANE_NOTE).c_str());
    m_items.TitleColumns();
    m_search.Retranslate();
}

bool MainFrame::OnEditKey(int id) {
    // Standard editing keys typed into the note or the search box stay there.
    const HWND focus = GetFocus();
    if (focus == m_search.Handle() && (id == ID_EDIT_EDIT || id == ID_ESCAPE)) {
        SetFocus(m_tree.Handle()); // Enter or Esc: the search is done
        return true;
    }
    const HWND note = focus == m_search.Handle() ? m_search.Handle() : m_note.Handle();
    if (focus != note) {
        return false;
    }
    switch (id) {
    case ID_EDIT_COPY:
        SendMessageA(note, WM_COPY, 0, 0);
        return true;
    case ID_EDIT_CUT:
        SendMessageA(note, WM_CUT, 0, 0);
        return true;
    case ID_EDIT_PASTE:
        SendMessageA(note, WM_PASTE, 0, 0);
        return true;
    case ID_EDIT_UNDO:
        SendMessageA(note, EM_UNDO, 0, 0);
        return true;
    case ID_EDIT_DELETE: {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(note, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        if (start == end) {
            SendMessageA(note, EM_SETSEL, start, start + 1);
        }
        SendMessageA(note, WM_CLEAR, 0, 0);
        return true;
    }
    case ID_EDIT_EDIT:
        SendMessageA(note, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("\r\n"));
        return true;
    default:
        return false;
    }
}

void MainFrame::OnSearchEvent(int code) {
    const std::optional<std::string> typed = m_search.OnEvent(code);
    EncryptedDatabase* database = CurrentDatabase::Get();
    if (!typed || database == nullptr) {
        return;
    }
    // The compact layout shows the items in the tree: they are found as well.
    const ModelNode* found = node_editing::QuickSearch(*database, *typed, m_compact.IsOn());
    if (const HTREEITEM item = found == nullptr ? nullptr : m_tree.Find(found)) {
        m_tree.ExpandBranch(item);
        m_tree.Select(found);
    }
}

} // namespace vaultlet
