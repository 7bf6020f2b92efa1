#pragma once

#include "shell/win32/ui/ListView.h"

#include <vector>

namespace vaultlet {

class ModelNode;

// The main window's item list: the children of the node selected in the tree, one row each, in
// three columns (name, value, creation time). A virtual list (LVS_OWNERDATA): texts and images come
// from the model when a row is drawn, and a hidden item's value shows as asterisks. Does not own the model; Clear()
// before destroying nodes it lists.
class ItemList {
public:
    bool Create(HWND parent, int id);
    HWND Handle() const noexcept { return m_list.Handle(); }

    // Lists the node's children (groups of a database, passcards of a group, items of a passcard).
    void Show(ModelNode* parent);
    void Clear();
    ModelNode* NodeAt(int row) const;
    ModelNode* SelectedNode() const { return NodeAt(m_list.Selection()); }
    // Column titles from the current language.
    void TitleColumns() const;

    // LVN_GETDISPINFO: the row's texts and image.
    void OnGetDispInfo(NMLVDISPINFOA& info) const;

private:
    ListView m_list;
    std::vector<ModelNode*> m_rows;
};

} // namespace vaultlet
