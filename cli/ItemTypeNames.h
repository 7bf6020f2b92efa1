#pragma once

#include "core/ItemType.h"

#include <string>
#include <string_view>

namespace vaultlet {

// The item types by name, for --type and for show. A name on the command line matches ignoring case,
// blanks, "-" and "_" ("Card Number", "card-number" and "cardnumber" are the same). Only the types a
// user can pick in the program's item dialog are accepted for new items: File, Exec and Private key
// items carry attached data and come only from imports.
class ItemTypeNames {
public:
    // Throws a usage error for an unknown name or a type that cannot be picked.
    static ItemType Pickable(std::string_view name);
    // The display name: the type's default item name ("Card Number"), "Custom", or the number of a
    // type the program does not know.
    static std::string Label(ItemType type);
    // The names --type accepts, for messages: "custom, password, login, ...".
    static std::string PickableList();
};

} // namespace vaultlet
