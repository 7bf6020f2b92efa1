#pragma once

#include "shell/DpiScale.h"
#include "shell/NodeEditing.h"

#include <windows.h>

#include <commctrl.h>

namespace vaultlet {

class Database;
class ModelNode;

// The main window's tree: the database as root, its groups, their passcards. Each tree item carries
// its node and takes the text from the model when shown (TVN_GETDISPINFO), so the control keeps no
// copies. Does not own the model; Clear() before destroying nodes the tree shows.
class PasscardTree {
public:
    static constexpr int kGroupImage = 5;
    static constexpr int kDatabaseImage = 6;
    static constexpr int kPasscardImage = 7;
    static constexpr int kBookmarkImage = 16;
    static constexpr int kExpiredImage = 27;

    // While one lives, the selection changes the control announces are not the user's (items are
    // being deleted or moved under the selection, possibly with their nodes already gone): the
    // window leaves them alone.
    class Quiet {
    public:
        explicit Quiet(PasscardTree& tree) : m_tree(tree) { ++m_tree.m_quiet; }
        ~Quiet() { --m_tree.m_quiet; }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;

    private:
        PasscardTree& m_tree;
    };

    bool Create(HWND parent, int id, bool lines);
    // Takes over a tree control a dialog template made.
    void Attach(HWND tree, bool lines);
    HWND Handle() const noexcept { return m_window; }
    // The window's resolution, when it changes: the icons follow.
    void SetDpi(const DpiScale& dpi) const;

    // Empties the tree, then inserts the database and everything down to the passcards, expanded,
    // with the root selected.
    void Fill(Database& database);
    // The compact layout shows each passcard's items as a third level ("name: value", the value
    // masked when hidden); takes effect at the next Fill.
    void SetShowItems(bool shown) noexcept { m_showItems = shown; }
    bool ShowsItems() const noexcept { return m_showItems; }
    // Which passcards the tree shows; takes effect at the next Fill. Groups are always shown.
    void SetScope(node_editing::PasscardScope scope) noexcept { m_scope = scope; }
    void Clear();
    bool IsQuiet() const noexcept { return m_quiet > 0; }
    void SetLines(bool lines) const;

    ModelNode* SelectedNode() const;
    ModelNode* NodeOf(HTREEITEM item) const;
    // The item that shows the node, found by identity without reading through the pointer; null when
    // the tree does not show it (a stale or foreign pointer).
    HTREEITEM Find(const ModelNode* node) const;
    bool Select(const ModelNode* node) const;
    // Inserts the node's tree item (with its passcards, for a group) right after the item of
    // `previous`, under the same parent; null when `previous` is not shown.
    HTREEITEM InsertAfter(const ModelNode& previous, ModelNode& node) const;
    // Inserts the node's tree item (with its passcards, for a group) as the last child of the
    // item of `parent`; null when `parent` is not shown.
    HTREEITEM InsertLast(const ModelNode& parent, ModelNode& node) const;
    // Redraws the node's item, whose name may have changed.
    void Refresh(const ModelNode* node) const;
    // Deletes the node's item and everything below it; the selection moves as the control decides.
    void Remove(const ModelNode* node) const;
    void ExpandAll() const;
    // Expands the node's item and everything below it.
    void ExpandBranch(HTREEITEM item) const;
    void CollapseGroups() const;
    // Passcard images follow bookmarks and expiry without a rebuild; selection and expansion stay.
    void RefreshPasscards() const;

    // TVN_GETDISPINFO: the node's name and image.
    void OnGetDispInfo(NMTVDISPINFOA& info) const;

    static int ImageOf(const ModelNode& node);

private:
    HTREEITEM Insert(HTREEITEM parent, ModelNode& node, HTREEITEM after = TVI_LAST) const;
    void InsertChildren(HTREEITEM item, ModelNode& node) const;
    void ExpandBelow(HTREEITEM item, UINT action) const;
    void ScrollToLeftEdge() const;

    HWND m_window = nullptr;
    bool m_showItems = false;
    node_editing::PasscardScope m_scope = node_editing::PasscardScope::All;
    int m_quiet = 0;
};

} // namespace vaultlet
