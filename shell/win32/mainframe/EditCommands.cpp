#include "shell/win32/mainframe/EditCommands.h"

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
#include "shell/win32/editing/FieldDialog.h"
#include "shell/win32/editing/NameDialog.h"
#include "shell/win32/editing/NewLoginDialog.h"
#include "shell/win32/editing/PasscardDialog.h"
#include "shell/win32/mainframe/FrameHost.h"
#include "shell/win32/mainframe/ItemList.h"
#include "shell/win32/mainframe/NotePane.h"
#include "shell/win32/mainframe/PaneSelection.h"
#include "shell/win32/ui/MessageBoxes.h"
#include "shell/win32/ui/PasscardTree.h"

#include <string>

namespace vaultlet {
namespace {

std::string DeleteQuestionText(const ModelNode& node) {
    const node_editing::DeleteQuestion question = node_editing::QuestionForDeleting(node);
    if (question.stringId == 0) {
        return {};
    }
    const std::vector<std::string_view> arguments(question.arguments.begin(), question.arguments.end());
    return FormatText(LanguagePack::Instance().getString(question.stringId),
                      {arguments.empty() ? std::string_view() : arguments[0],
                       arguments.size() < 2 ? std::string_view() : arguments[1]});
}

} // namespace

const CommandTable<EditCommands> EditCommands::kCommands = {
    {ID_EDIT_ADD_GROUP, &EditCommands::OnAddGroup},
    {ID_EDIT_ADD_PASSCARD, &EditCommands::OnAddPasscard},
    {ID_EDIT_ADD_ITEM, &EditCommands::OnAddItem},
    {ID_EDIT_NEW_LOGIN, &EditCommands::OnNewLogin},
    {ID_EDIT_ADD, &EditCommands::OnAdd},
    {ID_EDIT_EDIT, &EditCommands::OnEdit},
    {ID_EDIT_DELETE, &EditCommands::OnDelete},
    {ID_EDIT_DUPLICATE, &EditCommands::OnDuplicate},
    {ID_BOOKMARKS_ADD, &EditCommands::OnAddBookmark},
    {ID_BOOKMARKS_REMOVE, &EditCommands::OnRemoveBookmark},
};

void EditCommands::OnAddGroup() {
    EncryptedDatabase* database = CurrentDatabase::Get();
    auto group = std::make_unique<Group>(LanguagePack::Instance().getString(IDS_NEW_GROUP));
    NameDialog dialog(*group);
    if (database == nullptr || m_host.RunDialog(dialog) != IDOK) {
        return;
    }
    Group& added = *group;
    database->Add(std::move(group));
    ShowAdded(*database, added);
}

void EditCommands::OnAddPasscard() {
    ModelNode* node = m_selection.ForAction();
    if (node == nullptr || node->Kind() != NodeKind::Group) {
        return;
    }
    auto passcard = std::make_unique<Passcard>();
    passcard->SetName(LanguagePack::Instance().getString(IDS_NEW_PASSCARD));
    PasscardDialog dialog(*passcard);
    if (m_host.RunDialog(dialog) != IDOK) {
        return;
    }
    Passcard& added = *passcard;
    static_cast<Group*>(node)->Add(std::move(passcard));
    ShowAdded(*node, added);
}

void EditCommands::OnAddItem() {
    ModelNode* node = m_selection.ForAction();
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
    if (m_host.RunDialog(dialog) != IDOK) {
        return;
    }
    Item& added = *item;
    passcard->Add(std::move(item));
    if (m_tree.ShowsItems()) {
        // The compact layout has no list: the field shows only in the tree.
        m_tree.InsertLast(*passcard, added);
    }
    if (m_tree.SelectedNode() == passcard) {
        m_items.Show(passcard);
    }
    m_host.ModelChanged();
}

void EditCommands::OnNewLogin() {
    ModelNode* group = m_selection.ForAction();
    while (group != nullptr && group->Kind() != NodeKind::Group) {
        group = group->Parent();
    }
    if (group == nullptr) {
        return;
    }
    NewLoginDialog dialog;
    if (m_host.RunDialog(dialog) != IDOK) {
        return;
    }
    std::unique_ptr<Passcard> passcard = dialog.Take();
    if (!passcard) {
        return;
    }
    Passcard& added = *passcard;
    static_cast<Group*>(group)->Add(std::move(passcard));
    ShowAdded(*group, added);
}

void EditCommands::OnAdd() {
    const ModelNode* node = m_selection.ForAction();
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

void EditCommands::ShowAdded(ModelNode& parent, ModelNode& node) {
    m_tree.InsertLast(parent, node);
    m_tree.Select(&node);
    SetFocus(m_tree.Handle());
    m_host.ModelChanged();
}

void EditCommands::OnEdit() {
    ModelNode* node = m_selection.ForAction();
    if (node == nullptr) {
        return;
    }
    // The note holds what the user typed for the node shown; it goes in first, and the dialog's
    // result is shown afresh afterwards.
    m_note.Commit();
    INT_PTR result = IDCANCEL;
    if (node->Kind() == NodeKind::Passcard) {
        PasscardDialog dialog(*static_cast<Passcard*>(node));
        result = m_host.RunDialog(dialog);
    } else if (node->Kind() == NodeKind::Item) {
        FieldDialog dialog(*static_cast<Item*>(node), false);
        result = m_host.RunDialog(dialog);
    } else {
        NameDialog dialog(*node);
        result = m_host.RunDialog(dialog);
    }
    if (result != IDOK) {
        return;
    }
    m_tree.Refresh(node);
    m_tree.RefreshPasscards();
    m_note.Forget();
    m_host.ShowSelection();
    m_host.ModelChanged();
}

void EditCommands::OnDelete() {
    ModelNode* node = m_selection.Focused();
    EncryptedDatabase* database = CurrentDatabase::Get();
    if (node == nullptr || database == nullptr) {
        return;
    }
    const std::string question = DeleteQuestionText(*node);
    if (question.empty()) {
        return;
    }
    FrameHost::BusyScope busy(m_host);
    if (MessageBoxes::Show(m_host.Frame(), question, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    // The note and both views let go of the node before it is destroyed.
    m_note.Commit();
    m_note.Forget();
    m_items.Clear();
    {
        PasscardTree::Quiet quiet(m_tree);
        m_tree.Remove(node);
    }
    database->DeleteNode(node);
    m_host.ShowSelection();
    m_host.ModelChanged();
}

void EditCommands::OnDuplicate() {
    ModelNode* source = m_selection.ForAction();
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
    m_host.ModelChanged();
}

void EditCommands::OnAddBookmark() {
    SetBookmark(true);
}

void EditCommands::OnRemoveBookmark() {
    SetBookmark(false);
}

void EditCommands::SetBookmark(bool bookmark) {
    ModelNode* node = m_selection.ForAction();
    if (node == nullptr || node->Kind() != NodeKind::Passcard) {
        return;
    }
    static_cast<Passcard*>(node)->SetBookmark(bookmark);
    m_tree.RefreshPasscards();
    m_host.ModelChanged();
}

} // namespace vaultlet
