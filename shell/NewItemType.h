#pragma once

#include "core/ItemType.h"
#include "core/Passcard.h"

namespace vaultlet {

// The type a new field of the passcard starts with: the one after its last field's type in the
// order of the type list, so that adding fields one after the other walks Password, Login, URL...
// Password when the passcard has no fields, when the last is the list's last type, or when the last
// is a type the list does not offer.
ItemType NewItemType(const Passcard& passcard);

} // namespace vaultlet
