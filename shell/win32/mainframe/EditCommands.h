#pragma once

#include "shell/win32/ui/CommandTable.h"

namespace vaultlet {

class FrameHost;
class ItemList;
class ModelNode;
class NotePane;
class PaneSelection;
class PasscardTree;

// The main window's commands that edit the open database's tree: add a group, a passcard or a
// field, add a website login, edit, delete and duplicate a node, and bookmark a passcard. Each asks through its dialog
// first and changes nothing when the user cancels.
class EditCommands {
public:
    EditCommands(FrameHost& host, PasscardTree& tree, ItemList& items, NotePane& note, const PaneSelection& selection)
        : m_host(host), m_tree(tree), m_items(items), m_note(note), m_selection(selection) {}

    // Runs the command when it is one of these; false otherwise.
    bool Dispatch(int id, int code) { return kCommands.Dispatch(*this, id, code); }

private:
    void OnAddGroup();
    void OnAddPasscard();
    void OnAddItem();
    // A passcard with a login, a password and an address in one dialog, in the selected group or the
    // group of the selected passcard or field.
    void OnNewLogin();
    // Adds what fits below the selected node: a group to the database, a passcard to a group, a
    // field to a passcard (or beside a field).
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnDuplicate();
    void OnAddBookmark();
    void OnRemoveBookmark();
    void SetBookmark(bool bookmark);
    void ShowAdded(ModelNode& parent, ModelNode& node);

    static const CommandTable<EditCommands> kCommands;

    FrameHost& m_host;
    PasscardTree& m_tree;
    ItemList& m_items;
    NotePane& m_note;
    const PaneSelection& m_selection;
};

} // namespace vaultlet
