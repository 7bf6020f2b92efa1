#include "shell/NewItemType.h"

#include "core/Item.h"

namespace vaultlet {

ItemType NewItemType(const Passcard& passcard) {
    if (passcard.Count() == 0) {
        return ItemType::Password;
    }
    const int last = static_cast<int>(passcard.At(passcard.Count() - 1)->Type());
    for (const ItemTypeChoice* choice = kPickableItemTypes; choice->type >= 0; ++choice) {
        if (choice->type == last && choice[1].type >= 0) {
            return static_cast<ItemType>(choice[1].type);
        }
    }
    return ItemType::Password;
}

} // namespace vaultlet
