#pragma once

#include <cstdint>

namespace vaultlet {

// The kind of an item (field). The numbers are stored in database documents; values outside the
// named ones can come from files and are kept as they are.
enum class ItemType : std::uint32_t {
    Password = 0,
    Login = 1,
    Url = 2,
    Location = 3,
    CardNumber = 4,
    Mail = 5,
    Serial = 6,
    Phone = 7,
    Host = 8,
    Ip = 9,
    Custom = 10,
    File = 11,
    Exec = 12,
    PrivateKey = 14,
    KeyPassphrase = 15,
};

// One row of the list a user picks an item type from: the type and the string-table id of its
// label. The table ends with {-1, -1}.
struct ItemTypeChoice {
    int type;
    int stringId;
};

// The pickable types in display order (File, Exec and Private key are not offered).
extern const ItemTypeChoice kPickableItemTypes[];

} // namespace vaultlet
