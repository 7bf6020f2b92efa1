#include "shell/win32/ui/PasscardTree.h"

#include "core/Database.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/Passcard.h"
#include "shell/win32/ui/DisplayText.h"
#include "shell/win32/ui/SharedIcons.h"
#include "shell/win32/ui/WindowDpi.h"

#include <algorithm>
#include <cstring>

namespace vaultlet {

bool PasscardTree::Create(HWND parent, int id, bool lines) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_SHOWSELALWAYS;
    m_window = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "", style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (m_window == nullptr) {
        return false;
    }
    Attach(m_window, lines);
    return true;
}

void PasscardTree::Attach(HWND tree, bool lines) {
    m_window = tree;
    SetDpi(WindowDpi::Of(tree));
    SetLines(lines);
}

void PasscardTree::SetDpi(const DpiScale& dpi) const {
    TreeView_SetImageList(m_window, SharedIcons::Get(dpi), TVSIL_NORMAL);
}

void PasscardTree::SetLines(bool lines) const {
    const LONG_PTR style = GetWindowLongPtrA(m_window, GWL_STYLE);
    const LONG_PTR wanted =
        lines ? (style | TVS_HASLINES | TVS_LINESATROOT) : (style & ~(TVS_HASLINES | TVS_LINESATROOT));
    if (wanted != style) {
        SetWindowLongPtrA(m_window, GWL_STYLE, wanted);
        InvalidateRect(m_window, nullptr, TRUE);
    }
}

void PasscardTree::Fill(Database& database) {
    Clear();
    SendMessageA(m_window, WM_SETREDRAW, FALSE, 0);
    const HTREEITEM root = Insert(TVI_ROOT, database);
    InsertChildren(root, database);
    ExpandAll();
    SendMessageA(m_window, WM_SETREDRAW, TRUE, 0);
    TreeView_SelectItem(m_window, root);
    TreeView_EnsureVisible(m_window, root);
    ScrollToLeftEdge();
}

void PasscardTree::Clear() {
    TreeView_DeleteAllItems(m_window);
}

void PasscardTree::InsertChildren(HTREEITEM item, ModelNode& node) const {
    if (node.Kind() == NodeKind::Database) {
        for (const auto& group : static_cast<Database&>(node).Children()) {
            InsertChildren(Insert(item, *group), *group);
        }
    } else if (node.Kind() == NodeKind::Group) {
        for (const auto& passcard : static_cast<Group&>(node).Children()) {
            if (m_scope == node_editing::PasscardScope::All || passcard->UseAutofill()) {
                InsertChildren(Insert(item, *passcard), *passcard);
            }
        }
    } else if (node.Kind() == NodeKind::Passcard && m_showItems) {
        for (const auto& field : static_cast<Passcard&>(node).Children()) {
            Insert(item, *field);
        }
    }
}

HTREEITEM PasscardTree::InsertAfter(const ModelNode& previous, ModelNode& node) const {
    const HTREEITEM before = Find(&previous);
    if (before == nullptr) {
        return nullptr;
    }
    const HTREEITEM item = Insert(TreeView_GetParent(m_window, before), node, before);
    InsertChildren(item, node);
    return item;
}

HTREEITEM PasscardTree::InsertLast(const ModelNode& parent, ModelNode& node) const {
    const HTREEITEM parentItem = Find(&parent);
    if (parentItem == nullptr) {
        return nullptr;
    }
    const HTREEITEM item = Insert(parentItem, node);
    InsertChildren(item, node);
    TreeView_Expand(m_window, parentItem, TVE_EXPAND);
    return item;
}

void PasscardTree::Refresh(const ModelNode* node) const {
    RECT area{};
    if (const HTREEITEM item = Find(node); item != nullptr && TreeView_GetItemRect(m_window, item, &area, FALSE)) {
        InvalidateRect(m_window, &area, TRUE);
    }
}

void PasscardTree::Remove(const ModelNode* node) const {
    if (const HTREEITEM item = Find(node)) {
        TreeView_DeleteItem(m_window, item);
    }
}

HTREEITEM PasscardTree::Insert(HTREEITEM parent, ModelNode& node, HTREEITEM after) const {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = LPSTR_TEXTCALLBACKA;
    insert.item.iImage = ImageOf(node);
    insert.item.iSelectedImage = insert.item.iImage;
    insert.item.lParam = reinterpret_cast<LPARAM>(&node);
    return TreeView_InsertItem(m_window, &insert);
}

int PasscardTree::ImageOf(const ModelNode& node) {
    switch (node.Kind()) {
    case NodeKind::Database:
        return kDatabaseImage;
    case NodeKind::Group:
        return kGroupImage;
    case NodeKind::Passcard: {
        const auto& passcard = static_cast<const Passcard&>(node);
        if (passcard.IsExpired()) {
            return kExpiredImage;
        }
        return passcard.Bookmark() ? kBookmarkImage : kPasscardImage;
    }
    case NodeKind::Item:
        break;
    }
    return node.Image() >= 0 ? node.Image() : kPasscardImage;
}

ModelNode* PasscardTree::NodeOf(HTREEITEM item) const {
    if (item == nullptr) {
        return nullptr;
    }
    TVITEMA data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!TreeView_GetItem(m_window, &data)) {
        return nullptr;
    }
    return reinterpret_cast<ModelNode*>(data.lParam);
}

ModelNode* PasscardTree::SelectedNode() const {
    return NodeOf(TreeView_GetSelection(m_window));
}

HTREEITEM PasscardTree::Find(const ModelNode* node) const {
    if (node == nullptr) {
        return nullptr;
    }
    // Pre-order walk comparing the stored pointers only.
    HTREEITEM item = TreeView_GetRoot(m_window);
    while (item != nullptr) {
        if (NodeOf(item) == node) {
            return item;
        }
        HTREEITEM next = TreeView_GetChild(m_window, item);
        while (next == nullptr && item != nullptr) {
            next = TreeView_GetNextSibling(m_window, item);
            if (next == nullptr) {
                item = TreeView_GetParent(m_window, item);
            }
        }
        item = next;
    }
    return nullptr;
}

bool PasscardTree::Select(const ModelNode* node) const {
    const HTREEITEM item = Find(node);
    if (item == nullptr) {
        return false;
    }
    TreeView_SelectItem(m_window, item);
    TreeView_EnsureVisible(m_window, item);
    ScrollToLeftEdge();
    return true;
}

void PasscardTree::ScrollToLeftEdge() const {
    // Showing an item scrolls sideways to where its name starts; with a name longer than the pane is
    // wide (or in a tree not yet given its size, at the start) the tree would stay there, hiding the
    // root and every expand button. The user still scrolls to the rest of a long name.
    SendMessageA(m_window, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
}

void PasscardTree::ExpandBelow(HTREEITEM item, UINT action) const {
    for (HTREEITEM child = item; child != nullptr; child = TreeView_GetNextSibling(m_window, child)) {
        TreeView_Expand(m_window, child, action);
        ExpandBelow(TreeView_GetChild(m_window, child), action);
    }
}

void PasscardTree::ExpandBranch(HTREEITEM item) const {
    TreeView_Expand(m_window, item, TVE_EXPAND);
    ExpandBelow(TreeView_GetChild(m_window, item), TVE_EXPAND);
}

void PasscardTree::ExpandAll() const {
    ExpandBelow(TreeView_GetRoot(m_window), TVE_EXPAND);
}

void PasscardTree::CollapseGroups() const {
    const HTREEITEM root = TreeView_GetRoot(m_window);
    for (HTREEITEM group = TreeView_GetChild(m_window, root); group != nullptr;
         group = TreeView_GetNextSibling(m_window, group)) {
        TreeView_Expand(m_window, group, TVE_COLLAPSE);
    }
}

void PasscardTree::RefreshPasscards() const {
    const HTREEITEM root = TreeView_GetRoot(m_window);
    for (HTREEITEM group = TreeView_GetChild(m_window, root); group != nullptr;
         group = TreeView_GetNextSibling(m_window, group)) {
        for (HTREEITEM card = TreeView_GetChild(m_window, group); card != nullptr;
             card = TreeView_GetNextSibling(m_window, card)) {
            const ModelNode* node = NodeOf(card);
            TVITEMA data{};
            data.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
            data.hItem = card;
            data.iImage = data.iSelectedImage = ImageOf(*node);
            TreeView_SetItem(m_window, &data);
        }
    }
    // Texts come from the model when drawn: a repaint shows renamed nodes too.
    InvalidateRect(m_window, nullptr, FALSE);
}

void PasscardTree::OnGetDispInfo(NMTVDISPINFOA& info) const {
    const auto* node = reinterpret_cast<const ModelNode*>(info.item.lParam);
    if (node == nullptr || (info.item.mask & TVIF_TEXT) == 0 || info.item.cchTextMax <= 0) {
        return;
    }
    std::string_view text = node->Name().Viewed();
    SecureString line;
    if (node->Kind() == NodeKind::Item) {
        const auto& field = static_cast<const Item&>(*node);
        line.append(text).append(": ").append(field.Hidden() ? kMaskedValue : field.Value().Viewed());
        text = line.Viewed();
    }
    CopyDisplayText(text, info.item.pszText, info.item.cchTextMax);
}

} // namespace vaultlet
