#include "exchange/ExportSelection.h"

#include "core/Database.h"

namespace vaultlet {
namespace {

const Group* GroupOf(const Database& database, const ModelNode* node) {
    if (node == nullptr || node->Kind() != NodeKind::Group || node->Parent() != &database) {
        return nullptr;
    }
    return static_cast<const Group*>(node);
}

const Passcard* PasscardOf(const ModelNode* node) {
    if (node == nullptr || node->Kind() != NodeKind::Passcard) {
        return nullptr;
    }
    return static_cast<const Passcard*>(node);
}

} // namespace

std::optional<ExportSelection> ExportSelection::Resolve(const Database& database, const ModelNode* node) {
    ExportSelection selection;
    if (node == nullptr || node->Kind() == NodeKind::Database) {
        return selection;
    }
    switch (node->Kind()) {
    case NodeKind::Item:
        selection.scope = Scope::Item;
        selection.item = static_cast<const Item*>(node);
        selection.passcard = PasscardOf(node->Parent());
        if (selection.passcard == nullptr) {
            return std::nullopt;
        }
        selection.group = GroupOf(database, selection.passcard->Parent());
        break;
    case NodeKind::Passcard:
        selection.scope = Scope::Passcard;
        selection.passcard = static_cast<const Passcard*>(node);
        selection.group = GroupOf(database, node->Parent());
        break;
    default:
        selection.scope = Scope::Group;
        selection.group = GroupOf(database, node);
        break;
    }
    if (selection.group == nullptr) {
        return std::nullopt;
    }
    return selection;
}

} // namespace vaultlet
