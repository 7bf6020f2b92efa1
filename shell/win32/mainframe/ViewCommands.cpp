#include "shell/win32/mainframe/ViewCommands.h"

#include "resources/resource.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/win32/mainframe/CompactLayout.h"
#include "shell/win32/mainframe/FrameHost.h"
#include "shell/win32/mainframe/ItemList.h"
#include "shell/win32/mainframe/MainToolbar.h"
#include "shell/win32/mainframe/NotePane.h"
#include "shell/win32/mainframe/StatusBar.h"
#include "shell/win32/ui/PasscardTree.h"

namespace vaultlet {
namespace {

void KeepOnTop(HWND window, bool onTop) {
    SetWindowPos(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace

const CommandTable<ViewCommands> ViewCommands::kCommands = {
    {ID_EDIT_SELECT_ALL, &ViewCommands::OnSelectAll},
    {ID_EDIT_COLLAPSE_ALL, &ViewCommands::OnCollapseAll},
    {ID_EDIT_EXPAND_ALL, &ViewCommands::OnExpandAll},
    {ID_VIEW_TOOLBAR, &ViewCommands::OnToggleToolbar},
    {ID_VIEW_STATUS_BAR, &ViewCommands::OnToggleStatusBar},
    {ID_VIEW_ALWAYS_ON_TOP, &ViewCommands::OnAlwaysOnTop},
    {ID_NEXT_FOCUS, &ViewCommands::OnNextFocus},
    {ID_ESCAPE, &ViewCommands::OnEscape},
};

void ViewCommands::ApplySettings() const {
    m_panes.toolbar.Show(!m_compact.IsOn() && Settings::Read(setting::kShowToolbar) != 0);
    ShowWindow(m_panes.status.Handle(), Settings::Read(setting::kShowStatusBar) != 0 ? SW_SHOW : SW_HIDE);
    KeepOnTop(m_host.Frame(), Settings::Read(setting::kKeepOnTop) != 0);
    m_panes.tree.SetLines(Settings::Read(setting::kLinesIntoTree) != 0);
    m_host.LayoutChildren();
}

void ViewCommands::OnSelectAll() {
    SendMessageA(m_panes.note.Handle(), EM_SETSEL, 0, -1);
}

void ViewCommands::OnCollapseAll() {
    m_panes.tree.CollapseGroups();
}

void ViewCommands::OnExpandAll() {
    m_panes.tree.ExpandAll();
}

void ViewCommands::OnToggleToolbar() {
    const bool shown = !m_panes.toolbar.IsShown();
    m_panes.toolbar.Show(shown);
    Settings::Write(setting::kShowToolbar, shown ? 1 : 0);
    m_host.LayoutChildren();
}

void ViewCommands::OnToggleStatusBar() {
    const bool shown = IsWindowVisible(m_panes.status.Handle()) == FALSE;
    ShowWindow(m_panes.status.Handle(), shown ? SW_SHOW : SW_HIDE);
    Settings::Write(setting::kShowStatusBar, shown ? 1 : 0);
    m_host.LayoutChildren();
}

void ViewCommands::OnAlwaysOnTop() {
    const bool onTop = Settings::Read(setting::kKeepOnTop) == 0;
    Settings::Write(setting::kKeepOnTop, onTop ? 1 : 0);
    KeepOnTop(m_host.Frame(), onTop);
}

void ViewCommands::OnNextFocus() {
    const HWND focus = GetFocus();
    HWND next = m_panes.tree.Handle();
    if (m_compact.IsOn()) {
        // The list and the note are hidden: what the user typed there would go to a node they
        // cannot see. The focus stays in the tree.
        SetFocus(next);
        return;
    }
    if (focus == m_panes.tree.Handle()) {
        next = m_panes.items.Handle();
    } else if (focus == m_panes.items.Handle()) {
        next = m_panes.note.Handle();
    }
    SetFocus(next);
}

void ViewCommands::OnEscape() {
    if (Settings::Read(setting::kMinimizeOnEsc) != 0) {
        PostMessageA(m_host.Frame(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }
}

} // namespace vaultlet
