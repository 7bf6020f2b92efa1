#include "shell/win32/mainframe/NodeDragDrop.h"

#include "core/ModelNode.h"
#include "resources/resource.h"
#include "shell/NodeEditing.h"
#include "shell/win32/autofill/DropFill.h"
#include "shell/win32/mainframe/FrameHost.h"
#include "shell/win32/mainframe/ItemList.h"
#include "shell/win32/mainframe/NotePane.h"
#include "shell/win32/ui/PasscardTree.h"

namespace vaultlet {

void NodeDragDrop::Begin(ModelNode* node) {
    if (node == nullptr || m_host.IsBusy()) {
        return;
    }
    m_node = node;
    SetCapture(m_host.Frame());
}

void NodeDragDrop::OnCaptureChanged() {
    m_node = nullptr;
    TreeView_SelectDropTarget(m_tree.Handle(), nullptr);
}

ModelNode* NodeDragDrop::NodeUnder(POINT screen) const {
    if (WindowFromPoint(screen) == m_tree.Handle()) {
        TVHITTESTINFO hit{};
        hit.pt = screen;
        ScreenToClient(m_tree.Handle(), &hit.pt);
        return m_tree.NodeOf(TreeView_HitTest(m_tree.Handle(), &hit));
    }
    if (WindowFromPoint(screen) == m_items.Handle()) {
        LVHITTESTINFO hit{};
        hit.pt = screen;
        ScreenToClient(m_items.Handle(), &hit.pt);
        return m_items.NodeAt(ListView_HitTest(m_items.Handle(), &hit));
    }
    return nullptr;
}

bool NodeDragDrop::OnMouse(UINT message, LPARAM lParam) {
    if (m_node == nullptr || (message != WM_MOUSEMOVE && message != WM_LBUTTONUP)) {
        return false;
    }
    POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(m_host.Frame(), &screen);
    ModelNode* target = NodeUnder(screen);
    // Outside the tree and the list, another program's window may take the node as input.
    const HWND outside = target == nullptr ? DropFill::FindTarget(*m_node, screen) : nullptr;
    if (message == WM_MOUSEMOVE) {
        const bool movable =
            target != nullptr && node_editing::MoveKindOf(*m_node, *target) != node_editing::MoveKind::None;
        TreeView_SelectDropTarget(m_tree.Handle(), movable ? m_tree.Find(target) : nullptr);
        SetCursor(Cursor(movable, outside != nullptr));
        return true;
    }
    ModelNode* dragged = m_node;
    ReleaseCapture(); // WM_CAPTURECHANGED lets the node go
    if (target != nullptr) {
        DropOn(*dragged, *target);
    } else if (outside != nullptr) {
        DropFill::Fill(*dragged, outside);
    }
    return true;
}

HCURSOR NodeDragDrop::Cursor(bool movable, bool fills) const {
    const HINSTANCE module = GetModuleHandleA(nullptr);
    if (movable) {
        return LoadCursorA(module, MAKEINTRESOURCEA(IDCUR_DRAG_MOVE));
    }
    if (!fills) {
        return LoadCursorA(nullptr, IDC_NO);
    }
    const bool passcard = m_node->Kind() == NodeKind::Passcard;
    return LoadCursorA(module, MAKEINTRESOURCEA(passcard ? IDCUR_DRAG_PASSCARD : IDCUR_DRAG_ITEM));
}

void NodeDragDrop::DropOn(ModelNode& dragged, ModelNode& target) {
    const node_editing::MoveKind kind = node_editing::MoveKindOf(dragged, target);
    if (kind == node_editing::MoveKind::None) {
        return;
    }
    m_note.Commit();
    const HTREEITEM shown = m_tree.Find(&dragged);
    const bool expanded =
        shown != nullptr && (TreeView_GetItemState(m_tree.Handle(), shown, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    const bool fromList = GetFocus() == m_items.Handle() || shown == nullptr;
    HTREEITEM moved = nullptr;
    {
        PasscardTree::Quiet quiet(m_tree);
        m_tree.Remove(&dragged);
        node_editing::Move(dragged, target);
        moved = kind == node_editing::MoveKind::After ? m_tree.InsertAfter(target, dragged)
                                                      : m_tree.InsertLast(target, dragged);
    }
    if (moved != nullptr && expanded) {
        TreeView_Expand(m_tree.Handle(), moved, TVE_EXPAND);
    }
    if (!fromList && moved != nullptr) {
        m_tree.Select(&dragged);
    }
    m_host.ShowSelection();
    m_host.ModelChanged();
}

} // namespace vaultlet
