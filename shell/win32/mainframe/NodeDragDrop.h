#pragma once

#include <windows.h>

namespace vaultlet {

class FrameHost;
class ItemList;
class ModelNode;
class NotePane;
class PasscardTree;

// Dragging a node from the tree or the item list: dropped on another node of the window it moves
// there (when the move makes sense), dropped on another program's window it fills that window with
// the node's values. The window captures the mouse while a node is dragged.
class NodeDragDrop {
public:
    NodeDragDrop(FrameHost& host, PasscardTree& tree, ItemList& items, NotePane& note)
        : m_host(host), m_tree(tree), m_items(items), m_note(note) {}

    // TVN_BEGINDRAG or LVN_BEGINDRAG of the node; nothing starts while a dialog of the window is up.
    void Begin(ModelNode* node);
    // WM_MOUSEMOVE and WM_LBUTTONUP of the window (client coordinates in lParam); false when no node
    // is being dragged.
    bool OnMouse(UINT message, LPARAM lParam);
    // WM_CAPTURECHANGED: whatever was dragged is let go.
    void OnCaptureChanged();

private:
    ModelNode* NodeUnder(POINT screen) const;
    // The pointer for a move inside the window, a fill of another program's window, or neither.
    HCURSOR Cursor(bool movable, bool fills) const;
    void DropOn(ModelNode& dragged, ModelNode& target);

    FrameHost& m_host;
    PasscardTree& m_tree;
    ItemList& m_items;
    NotePane& m_note;
    // The node being dragged, or null.
    ModelNode* m_node = nullptr;
};

} // namespace vaultlet
