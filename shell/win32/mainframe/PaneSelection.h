#pragma once

namespace vaultlet {

class ItemList;
class ModelNode;
class PasscardTree;

// Which node a command of the main window acts on, from the selections of the tree and the item
// list and from where the focus is.
class PaneSelection {
public:
    PaneSelection(const PasscardTree& tree, const ItemList& items) : m_tree(tree), m_items(items) {}

    // The node of the pane with the focus: the list's selected row or the tree's selection; null when
    // neither pane has the focus, or the list has it without a selected row.
    ModelNode* Focused() const;
    // The focused node, else the tree's selection.
    ModelNode* ForAction() const;
    // What the menus and the toolbar reflect: the list's selected row while the list has the focus,
    // else the tree's selection (the menu bar itself may hold the focus).
    ModelNode* ForMenus() const;

private:
    const PasscardTree& m_tree;
    const ItemList& m_items;
};

} // namespace vaultlet
