// Editing the open database from the main window: add, edit, delete, duplicate, bookmarks and the
// quick search.
#include "core/Database.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/Passcard.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/CurrentDatabase.h"
#include "shell/NewItemType.h"
#include "shell/NodeEditing.h"
#include "shell/TextFormat.h"
#include "shell/win32/autofill/DropFill.h"
#include "shell/win32/editing/FieldDialog.h"
#include "shell/win32/editing/NameDialog.h"
#include "shell/win32/editing/PasscardDialog.h"
#include "shell/win32/mainframe/MainFrame.h"
#include "shell/win32/ui/MessageBoxes.h"

#include <optional>
#include <string>

namespace vaultlet {

ModelNode* MainFrame::ActionNode() const {
    ModelNode* node = CommandNode();
    return node != nullptr ? node : m_tree.SelectedNode();
}

void MainFrame::OnAddGroup() {
    EncryptedDatabase* database = CurrentDatabase::Get();
    auto group = std::make_unique<Group>(LanguagePack::Instance().getString(IDS_NEW_GROUP));
    NameDialog dialog(*group);
    if (database == nullptr || RunDialog(dialog) != IDOK) {
        return;
    }
    Group& added = *group;
    database->Add(std::move(group));
    ShowAdded(*database, added);
}

void MainFrame::OnAddPasscard() {
    ModelNode* node = ActionNode();
    if (node == nullptr || node->Kind() != NodeKind::Group) {
        return;
    }
    auto passcard = std::make_unique<Passcard>();
    passcard->SetName(LanguagePack::Instance().getString(IDS_NEW_PASSCARD));
    PasscardDialog dialog(*passcard);
    if (RunDialog(dialog) != IDOK) {
        return;
    }
    Passcard& added = *passcard;
    static_cast<Group*>(node)->Add(std::move(passcard));
    ShowAdded(*node, added);
}

void MainFrame::OnAddItem() {
    ModelNode* node = ActionNode();
    if (node != nullptr && node->Kind() == NodeKind::Item) {
        node = node->Parent();
    }
    if (node == nullptr || node->Kind() != NodeKind::Passcard) {
        return;
    }
    auto* passcard = static_cast<Passcard*>(node);
    auto item = std::make_unique<Item>();
    item->ApplyTypeDefaults(NewItemType(*passcard));
    FieldDialog dialog(*item, true);
    if (RunDialog(dialog) != IDOK) {
        return;
    }
    passcard->Add(std::move(item));
    if (m_tree.SelectedNode() == passcard) {
        m_items.Show(passcard);
    }
    RefreshStatus();
}

void MainFrame::OnAdd() {
    const ModelNode* node = ActionNode();
    if (node == nullptr) {
        return;
    }
    switch (node->Kind()) {
    case NodeKind::Database:
        OnAddGroup();
        break;
    case NodeKind::Group:
        OnAddPasscard();
        break;
    case NodeKind::Passcard:
    case NodeKind::Item:
        OnAddItem();
        break;
    }
}

void MainFrame::ShowAdded(ModelNode& parent, ModelNode& node) {
    m_tree.InsertLast(parent, node);
    m_tree.Select(&node);
    SetFocus(m_tree.Handle());
    RefreshStatus();
}

void MainFrame::OnEdit() {
    ModelNode* node = ActionNode();
    if (node == nullptr) {
        return;
    }
    // The note holds what the user typed for the node shown; it goes in first, and the dialog's
    // result is shown afresh afterwards.
    m_note.Commit();
    INT_PTR result = IDCANCEL;
    if (node->Kind() == NodeKind::Passcard) {
        PasscardDialog dialog(*static_cast<Passcard*>(node));
        result = RunDialog(dialog);
    } else if (node->Kind() == NodeKind::Item) {
        FieldDialog dialog(*static_cast<Item*>(node), false);
        result = RunDialog(dialog);
    } else {
        NameDialog dialog(*node);
        result = RunDialog(dialog);
    }
    if (result != IDOK) {
        return;
    }
    m_tree.Refresh(node);
    m_tree.RefreshPasscards();
    m_note.Forget();
    OnSelectionChanged();
    RebuildBookmarks();
}

void MainFrame::OnDelete() {
    ModelNode* node = CommandNode();
    EncryptedDatabase* database = CurrentDatabase::Get();
    if (node == nullptr || database == nullptr) {
        return;
    }
    const node_editing::DeleteQuestion question = node_editing::QuestionForDeleting(*node);
    if (question.stringId == 0) {
        return;
    }
    const std::vector<std::string_view> arguments(question.arguments.begin(), question.arguments.end());
    std::string text = LanguagePack::Instance().getString(question.stringId);
    text = FormatText(text, {arguments.empty() ? std::string_view() : arguments[0],
                             arguments.size() < 2 ? std::string_view() : arguments[1]});
    BusyScope busy(*this);
    if (MessageBoxes::Show(Handle(), text, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    // The note and both views let go of the node before it is destroyed.
    m_note.Commit();
    m_note.Forget();
    m_items.Clear();
    m_ignoreSelection = true;
    m_tree.Remove(node);
    m_ignoreSelection = false;
    database->DeleteNode(node);
    OnSelectionChanged();
    RefreshStatus();
    RebuildBookmarks();
}

void MainFrame::OnDuplicate() {
    ModelNode* source = CommandNode() != nullptr ? CommandNode() : m_tree.SelectedNode();
    if (source == nullptr) {
        return;
    }
    m_note.Commit();
    ModelNode* copy = node_editing::Duplicate(*source);
    if (copy == nullptr) {
        return;
    }
    m_tree.InsertAfter(*source, *copy);
    m_tree.Select(copy);
    SetFocus(m_tree.Handle());
    RefreshStatus();
    RebuildBookmarks();
}

void MainFrame::OnAddBookmark() {
    SetBookmark(true);
}

void MainFrame::OnRemoveBookmark() {
    SetBookmark(false);
}

void MainFrame::SetBookmark(bool bookmark) {
    ModelNode* node = CommandNode() != nullptr ? CommandNode() : m_tree.SelectedNode();
    if (node == nullptr || node->Kind() != NodeKind::Passcard) {
        return;
    }
    static_cast<Passcard*>(node)->SetBookmark(bookmark);
    m_tree.RefreshPasscards();
    RebuildBookmarks();
}

void MainFrame::BeginDrag(ModelNode* node) {
    if (node == nullptr || m_busy > 0) {
        return;
    }
    m_dragNode = node;
    SetCapture(Handle());
}

ModelNode* MainFrame::NodeUnder(POINT screen) const {
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

bool MainFrame::OnDragMouse(UINT message, LPARAM lParam) {
    if (m_dragNode == nullptr || (message != WM_MOUSEMOVE && message != WM_LBUTTONUP)) {
        return false;
    }
    POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(Handle(), &screen);
    ModelNode* target = NodeUnder(screen);
    // Outside the tree and the list, another program's window may take the node as input.
    const HWND outside = target == nullptr ? DropFill::FindTarget(*m_dragNode, screen) : nullptr;
    if (message == WM_MOUSEMOVE) {
        const bool movable =
            target != nullptr && node_editing::MoveKindOf(*m_dragNode, *target) != node_editing::MoveKind::None;
        TreeView_SelectDropTarget(m_tree.Handle(), movable ? m_tree.Find(target) : nullptr);
        SetCursor(DragCursor(movable, outside != nullptr));
        return true;
    }
    ModelNode* dragged = m_dragNode;
    ReleaseCapture();
    if (target != nullptr) {
        m_dragNode = dragged;
        DropOn(*target);
        m_dragNode = nullptr;
    } else if (outside != nullptr) {
        DropFill::Fill(*dragged, outside, Handle());
    }
    return true;
}

HCURSOR MainFrame::DragCursor(bool movable, bool fills) const {
    const HINSTANCE module = GetModuleHandleA(nullptr);
    if (movable) {
        return LoadCursorA(module, MAKEINTRESOURCEA(IDCUR_DRAG_MOVE));
    }
    if (!fills) {
        return LoadCursorA(nullptr, IDC_NO);
    }
    const bool passcard = m_dragNode->Kind() == NodeKind::Passcard;
    return LoadCursorA(module, MAKEINTRESOURCEA(passcard ? IDCUR_DRAG_PASSCARD : IDCUR_DRAG_ITEM));
}

void MainFrame::DropOn(ModelNode& target) {
    ModelNode& dragged = *m_dragNode;
    const node_editing::MoveKind kind = node_editing::MoveKindOf(dragged, target);
    if (kind == node_editing::MoveKind::None) {
        return;
    }
    m_note.Commit();
    const HTREEITEM shown = m_tree.Find(&dragged);
    const bool expanded =
        shown != nullptr && (TreeView_GetItemState(m_tree.Handle(), shown, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    const bool fromList = GetFocus() == m_items.Handle() || shown == nullptr;
    m_ignoreSelection = true;
    m_tree.Remove(&dragged);
    node_editing::Move(dragged, target);
    const HTREEITEM moved = kind == node_editing::MoveKind::After ? m_tree.InsertAfter(target, dragged)
                                                                  : m_tree.InsertLast(target, dragged);
    m_ignoreSelection = false;
    if (moved != nullptr && expanded) {
        TreeView_Expand(m_tree.Handle(), moved, TVE_EXPAND);
    }
    if (!fromList && moved != nullptr) {
        m_tree.Select(&dragged);
    }
    OnSelectionChanged();
    RebuildBookmarks();
}

void MainFrame::OnSearchEvent(int code) {
    const std::optional<std::string> typed = m_search.OnEvent(code);
    EncryptedDatabase* database = CurrentDatabase::Get();
    if (!typed || database == nullptr) {
        return;
    }
    const ModelNode* found = node_editing::QuickSearch(*database, *typed, false);
    if (const HTREEITEM item = found == nullptr ? nullptr : m_tree.Find(found)) {
        m_tree.ExpandBranch(item);
        m_tree.Select(found);
    }
}

} // namespace vaultlet
