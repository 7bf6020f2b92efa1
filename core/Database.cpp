#include "core/Database.h"

#include "core/ModifiedFlag.h"

#include <string>

namespace vaultlet {

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
    int moved = 0;
    for (auto& group : source.ReleaseAll()) {
        SecureString candidate = group->Name().Copy();
        for (int n = 1; FindByName(candidate) != nullptr; ++n) {
            candidate = group->Name().Copy();
            candidate.append(" ").append(std::to_string(n));
        }
        group->SetName(candidate);
        Add(std::move(group));
        ++moved;
    }
    return moved;
}

} // namespace vaultlet
