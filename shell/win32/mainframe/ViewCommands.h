#pragma once

#include "shell/win32/ui/CommandTable.h"

namespace vaultlet {

class CompactLayout;
class FrameHost;
class ItemList;
class MainToolbar;
class NotePane;
class PasscardTree;
class StatusBar;

// The main window's commands that change only what it shows: toolbar, status bar, keeping on top,
// the tree's expansion, the note's selection, moving the focus between the panes and Esc.
class ViewCommands {
public:
    struct Panes {
        MainToolbar& toolbar;
        StatusBar& status;
        PasscardTree& tree;
        ItemList& items;
        NotePane& note;
    };

    ViewCommands(FrameHost& host, const Panes& panes, const CompactLayout& compact)
        : m_host(host), m_panes(panes), m_compact(compact) {}

    // Runs the command when it is one of these; false otherwise.
    bool Dispatch(int id, int code) { return kCommands.Dispatch(*this, id, code); }
    // Shows toolbar, status bar, tree lines and the window's place on top as the settings say.
    void ApplySettings() const;

private:
    void OnSelectAll();
    void OnCollapseAll();
    void OnExpandAll();
    void OnToggleToolbar();
    void OnToggleStatusBar();
    void OnAlwaysOnTop();
    // Tab: tree, list, note, and round again.
    void OnNextFocus();
    void OnEscape();

    static const CommandTable<ViewCommands> kCommands;

    FrameHost& m_host;
    Panes m_panes;
    const CompactLayout& m_compact;
};

} // namespace vaultlet
