#include "core/Database.h"

#include "core/GroupNameIndex.h"
#include "core/ModifiedFlag.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace vaultlet {
namespace {

// "<base> <n>" for the lowest n above the last one given for this base that no group holds. Groups
// are only added while merging, so a number once taken stays taken and the search can resume there:
// the names are those a search from 1 would give, found in linear time overall.
SecureString FreeNumberedName(const GroupNameIndex& index, std::string_view base, int& last) {
    SecureString candidate;
    do {
        candidate = SecureString(base);
        candidate.append(" ").append(std::to_string(++last));
    } while (index.Find(candidate.Viewed()) != nullptr);
    return candidate;
}

} // namespace

Database::Database() : NodeContainer<Group>("group") {
    ModifiedFlag::Clear();
}

std::size_t Database::PasscardCount() const noexcept {
    std::size_t count = 0;
    for (const auto& group : Children()) {
        count += group->PasscardCount();
    }
    return count;
}

std::size_t Database::ItemCount() const noexcept {
    std::size_t count = 0;
    for (const auto& group : Children()) {
        count += group->ItemCount();
    }
    return count;
}

void Database::DeleteNode(ModelNode* node) {
    if (node == nullptr) {
        return;
    }
    switch (node->Kind()) {
    case NodeKind::Group:
        Remove(static_cast<Group*>(node));
        break;
    case NodeKind::Passcard:
        if (auto* group = static_cast<Group*>(node->Parent())) {
            group->Remove(static_cast<Passcard*>(node));
        }
        break;
    case NodeKind::Item:
        if (auto* passcard = static_cast<Passcard*>(node->Parent())) {
            passcard->Remove(static_cast<Item*>(node));
        }
        break;
    case NodeKind::Database:
        break;
    }
}

int Database::MergeGroups(Database& source) {
    GroupNameIndex index(*this);
    // The last number given per taken name, keyed by the name of the group that holds it bare.
    std::unordered_map<std::string_view, int> lastNumber;
    int moved = 0;
    for (auto& group : source.ReleaseAll()) {
        if (const Group* holder = index.Find(group->Name().Viewed())) {
            const std::string_view base = holder->Name().Viewed();
            group->SetName(FreeNumberedName(index, base, lastNumber[base]));
        }
        index.Add(std::move(group));
        ++moved;
    }
    return moved;
}

void Database::AdoptContent(Database& source) {
    SetName(source.Name().Viewed());
    SetComment(source.Comment().Viewed());
    SetImage(source.Image());
    DeleteAll();
    for (auto& group : source.ReleaseAll()) {
        Add(std::move(group));
    }
    ModifiedFlag::Raise();
}

} // namespace vaultlet
