#include "shell/NodeEditing.h"

#include "core/Database.h"
#include "core/Group.h"
#include "core/Item.h"
#include "core/Passcard.h"
#include "resources/StringIds.h"

#include <cctype>

namespace vaultlet::node_editing {
namespace {

bool InScope(const Passcard& passcard, PasscardScope scope) {
    return scope == PasscardScope::All || passcard.UseAutofill();
}

template <typename Node>
Node* InsertCopyAfter(Node& source, std::unique_ptr<Node> copy, const std::string& suffix) {
    auto* parent = static_cast<NodeContainer<Node>*>(source.Parent());
    const int index = parent == nullptr ? -1 : parent->IndexOf(&source);
    if (index < 0) {
        return nullptr;
    }
    copy->SetName(std::string(source.Name().Viewed()) + suffix);
    Node* inserted = copy.get();
    parent->Insert(std::move(copy), static_cast<std::size_t>(index) + 1);
    return inserted;
}

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
    if (text.size() < start.size()) {
        return false;
    }
    for (std::size_t i = 0; i < start.size(); ++i) {
        if (Lower(text[i]) != Lower(start[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

ModelNode* Duplicate(ModelNode& node, const std::string& suffix) {
    switch (node.Kind()) {
    case NodeKind::Group: {
        auto& group = static_cast<Group&>(node);
        return InsertCopyAfter(group, group.Clone(), suffix);
    }
    case NodeKind::Passcard: {
        auto& passcard = static_cast<Passcard&>(node);
        return InsertCopyAfter(passcard, passcard.Clone(), suffix);
    }
    default:
        return nullptr;
    }
}

namespace {

// Takes the child out of its container and puts it back before `position` of `destination`.
template <typename Child>
void Reinsert(Child& child, NodeContainer<Child>& destination, const Child* after) {
    auto* source = static_cast<NodeContainer<Child>*>(child.Parent());
    std::unique_ptr<Child> owned = source->Detach(&child);
    const int index = after == nullptr ? -1 : destination.IndexOf(after);
    destination.Insert(std::move(owned), index < 0 ? destination.Count() : static_cast<std::size_t>(index) + 1);
}

template <typename Child, typename Parent>
MoveKind MoveWithin(Child& dragged, ModelNode& target, NodeKind parentKind) {
    if (target.Kind() == dragged.Kind()) {
        auto& sibling = static_cast<Child&>(target);
        Reinsert(dragged, *static_cast<Parent*>(sibling.Parent()), &sibling);
        return MoveKind::After;
    }
    if (target.Kind() == parentKind) {
        Reinsert<Child>(dragged, static_cast<Parent&>(target), nullptr);
        return MoveKind::ToEnd;
    }
    return MoveKind::None;
}

} // namespace

MoveKind MoveKindOf(const ModelNode& dragged, const ModelNode& target) {
    if (&dragged == &target || dragged.Parent() == nullptr) {
        return MoveKind::None;
    }
    if (target.Kind() == dragged.Kind()) {
        return target.Parent() == nullptr ? MoveKind::None : MoveKind::After;
    }
    const bool toParentKind = (dragged.Kind() == NodeKind::Group && target.Kind() == NodeKind::Database) ||
                              (dragged.Kind() == NodeKind::Passcard && target.Kind() == NodeKind::Group) ||
                              (dragged.Kind() == NodeKind::Item && target.Kind() == NodeKind::Passcard);
    return toParentKind ? MoveKind::ToEnd : MoveKind::None;
}

MoveKind Move(ModelNode& dragged, ModelNode& target) {
    if (MoveKindOf(dragged, target) == MoveKind::None) {
        return MoveKind::None;
    }
    switch (dragged.Kind()) {
    case NodeKind::Group:
        return MoveWithin<Group, Database>(static_cast<Group&>(dragged), target, NodeKind::Database);
    case NodeKind::Passcard:
        return MoveWithin<Passcard, Group>(static_cast<Passcard&>(dragged), target, NodeKind::Group);
    case NodeKind::Item:
        return MoveWithin<Item, Passcard>(static_cast<Item&>(dragged), target, NodeKind::Passcard);
    case NodeKind::Database:
        break;
    }
    return MoveKind::None;
}

DeleteQuestion QuestionForDeleting(const ModelNode& node) {
    const std::string name(node.Name().Viewed());
    switch (node.Kind()) {
    case NodeKind::Group:
        return {IDS_CONFIRM_DELETE_GROUP, {name}};
    case NodeKind::Passcard:
        return {IDS_CONFIRM_DELETE_PASSCARD, {name}};
    case NodeKind::Item: {
        const ModelNode* passcard = node.Parent();
        return {IDS_CONFIRM_DELETE_ITEM,
                {name, passcard == nullptr ? std::string() : std::string(passcard->Name().Viewed())}};
    }
    case NodeKind::Database:
        break;
    }
    return {};
}

std::vector<Bookmark> Bookmarks(const Database& database, std::size_t limit, PasscardScope scope) {
    std::vector<Bookmark> found;
    for (const auto& group : database.Children()) {
        for (const auto& passcard : group->Children()) {
            if (found.size() >= limit) {
                return found;
            }
            if (passcard->Bookmark() && InScope(*passcard, scope)) {
                found.push_back({passcard.get(),
                                 std::string(group->Name().Viewed()) + "\\" + std::string(passcard->Name().Viewed())});
            }
        }
    }
    return found;
}

bool QuickSearchMatches(std::string_view name, std::string_view typed) {
    if (name.empty() || typed.empty()) {
        return false;
    }
    const std::size_t length = std::min(name.size(), typed.size());
    for (std::size_t i = 0; i < length; ++i) {
        if (Lower(name[i]) != Lower(typed[i])) {
            return false;
        }
    }
    return true;
}

ModelNode* QuickSearch(Database& database, std::string_view typed, bool withItems, PasscardScope scope) {
    if (QuickSearchMatches(database.Name().Viewed(), typed)) {
        return &database;
    }
    for (const auto& group : database.Children()) {
        if (QuickSearchMatches(group->Name().Viewed(), typed)) {
            return group.get();
        }
        for (const auto& passcard : group->Children()) {
            if (!InScope(*passcard, scope)) {
                continue;
            }
            if (QuickSearchMatches(passcard->Name().Viewed(), typed)) {
                return passcard.get();
            }
            if (!withItems) {
                continue;
            }
            for (const auto& item : passcard->Children()) {
                if (QuickSearchMatches(item->Name().Viewed(), typed)) {
                    return item.get();
                }
            }
        }
    }
    return nullptr;
}

bool FillsByDrop(const ModelNode& node) {
    switch (node.Kind()) {
    case NodeKind::Passcard:
        return static_cast<const Passcard&>(node).UseAutofill();
    case NodeKind::Item:
        return !static_cast<const Item&>(node).Value().empty();
    default:
        return false;
    }
}

Passcard* PasscardLastUsedFor(const Database& database, std::string_view windowTitle) {
    // A passcard never typed anywhere has no title either: that is no match for an untitled window.
    if (windowTitle.empty()) {
        return nullptr;
    }
    for (const auto& group : database.Children()) {
        for (const auto& passcard : group->Children()) {
            if (passcard->UseAutofill() && passcard->Window().Viewed() == windowTitle) {
                return passcard.get();
            }
        }
    }
    return nullptr;
}

bool IsLink(const ModelNode& node) {
    if (node.Kind() != NodeKind::Item) {
        return false;
    }
    const auto& item = static_cast<const Item&>(node);
    return item.Type() == ItemType::Url && !item.Value().empty();
}

std::string LinkTarget(std::string_view value) {
    // Only the schemes of web pages, file servers and mail go to the shell as they are: any other
    // scheme names a handler of the system's (file://, search-ms:, a program's own protocol) that
    // may run something. With "http://" in front such a value is merely a web address.
    constexpr std::string_view kOpenedAsTheyAre[] = {"http://", "https://", "ftp://", "mailto:"};
    for (const std::string_view scheme : kOpenedAsTheyAre) {
        if (StartsWithIgnoringCase(value, scheme)) {
            return std::string(value);
        }
    }
    return "http://" + std::string(value);
}

std::string HelpFilePath(std::string_view executablePath) {
    std::string path(executablePath);
    for (char& c : path) {
        c = Lower(c);
    }
    const std::size_t extension = path.rfind(".exe");
    if (extension != std::string::npos && extension + 4 == path.size()) {
        path.replace(extension, 4, ".chm");
    }
    return path;
}

} // namespace vaultlet::node_editing
