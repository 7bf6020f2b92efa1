#include "core/ItemType.h"

#include "resources/StringIds.h"

namespace vaultlet {

const ItemTypeChoice kPickableItemTypes[] = {
    {static_cast<int>(ItemType::Custom), IDS_TYPE_CUSTOM},
    {static_cast<int>(ItemType::Password), IDS_TYPE_PASSWORD},
    {static_cast<int>(ItemType::Login), IDS_TYPE_LOGIN},
    {static_cast<int>(ItemType::Url), IDS_TYPE_URL},
    {static_cast<int>(ItemType::Location), IDS_TYPE_LOCATION},
    {static_cast<int>(ItemType::Mail), IDS_TYPE_MAIL},
    {static_cast<int>(ItemType::Host), IDS_TYPE_HOST},
    {static_cast<int>(ItemType::Ip), IDS_TYPE_IP},
    {static_cast<int>(ItemType::CardNumber), IDS_TYPE_CARD_NUMBER},
    {static_cast<int>(ItemType::Serial), IDS_TYPE_SERIAL},
    {static_cast<int>(ItemType::Phone), IDS_TYPE_PHONE},
    {static_cast<int>(ItemType::KeyPassphrase), IDS_TYPE_KEY_PASSPHRASE},
    {-1, -1},
};

} // namespace vaultlet
