#include "shell/win32/mainframe/PaneSelection.h"

#include "shell/win32/mainframe/ItemList.h"
#include "shell/win32/ui/PasscardTree.h"

namespace vaultlet {

ModelNode* PaneSelection::Focused() const {
    const HWND focus = GetFocus();
    if (focus == m_items.Handle() && m_items.SelectedNode() != nullptr) {
        return m_items.SelectedNode();
    }
    return focus == m_tree.Handle() ? m_tree.SelectedNode() : nullptr;
}

ModelNode* PaneSelection::ForAction() const {
    ModelNode* node = Focused();
    return node != nullptr ? node : m_tree.SelectedNode();
}

ModelNode* PaneSelection::ForMenus() const {
    ModelNode* row = m_items.SelectedNode();
    return row != nullptr && GetFocus() == m_items.Handle() ? row : m_tree.SelectedNode();
}

} // namespace vaultlet
