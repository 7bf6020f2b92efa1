#include "shell/CopySource.h"

#include "core/Passcard.h"

namespace vaultlet {
namespace {

const Item* FirstOfType(const Passcard& passcard, ItemType type) {
    for (const auto& item : passcard.Children()) {
        if (item->Type() == type) {
            return item.get();
        }
    }
    return nullptr;
}

const Passcard* PasscardOf(const ModelNode& node) {
    if (node.Kind() == NodeKind::Passcard) {
        return static_cast<const Passcard*>(&node);
    }
    const ModelNode* parent = node.Parent();
    return node.Kind() == NodeKind::Item && parent != nullptr && parent->Kind() == NodeKind::Passcard
               ? static_cast<const Passcard*>(parent)
               : nullptr;
}

} // namespace

const ModelNode* CopySource(const ModelNode* selected, CopyWhat what) {
    if (selected == nullptr) {
        return nullptr;
    }
    if (what == CopyWhat::Selection) {
        if (selected->Kind() != NodeKind::Passcard) {
            return selected;
        }
        const Item* password = FirstOfType(static_cast<const Passcard&>(*selected), ItemType::Password);
        return password != nullptr ? password : selected;
    }
    const Passcard* passcard = PasscardOf(*selected);
    if (passcard == nullptr) {
        return nullptr;
    }
    return FirstOfType(*passcard, what == CopyWhat::Login ? ItemType::Login : ItemType::Password);
}

bool DoubleClickCopies(const ModelNode* node) {
    return node != nullptr && node->Kind() == NodeKind::Item && static_cast<const Item*>(node)->Type() != ItemType::Url;
}

} // namespace vaultlet
