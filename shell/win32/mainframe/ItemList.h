#pragma once

#include "shell/DpiScale.h"
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
    // The window's resolution, when it changes: the icons and the column widths (as the user left
    // them) follow.
    void SetDpi(const DpiScale& dpi);

    // Lists the node's children (groups of a database, passcards of a group, items of a passcard).
    void Show(ModelNode* parent);
    void Clear();
    ModelNode* NodeAt(int row) const;
    ModelNode* SelectedNode() const { return NodeAt(m_list.Selection()); }
    // The link whose value lies under the point (the list's client coordinates): a URL item's value
    // cell is its link, drawn as one; null anywhere else.
    ModelNode* LinkAt(POINT point) const;
    // Selects the row under the point (the list's client coordinates) and returns its node; null,
    // with the selection as it was, when no row is there.
    ModelNode* SelectRowAt(POINT point) const;
    // Selects the row of the node, found by identity, and scrolls it into view; false when the list
    // does not show it.
    bool Select(const ModelNode* node) const;
    // Column titles from the current language.
    void TitleColumns() const;

    // LVN_GETDISPINFO: the row's texts and image.
    void OnGetDispInfo(NMLVDISPINFOA& info) const;
    // NM_CUSTOMDRAW: links in the colour of links; returns the answer to the notification.
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) const;

private:
    ListView m_list;
    DpiScale m_dpi;
    std::vector<ModelNode*> m_rows;
    // The text colour the control chose for the row being drawn.
    mutable COLORREF m_rowTextColour = CLR_DEFAULT;
};

} // namespace vaultlet
