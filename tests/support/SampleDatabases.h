#pragma once

#include "core/Database.h"
#include "core/Item.h"
#include "core/Passcard.h"

#include <initializer_list>
#include <memory>
#include <string_view>
#include <utility>

namespace vaultlet::test {

// A database that sets every field of every class to something a careless writer or reader would
// get wrong: XML-special and non-ASCII text (in the system's code page), tabs and line feeds, binary
// data with zero bytes, items of every type number 0 to 15, hidden items, an expiry above 2^32,
// window ids, and a group and passcard without children.
std::unique_ptr<Database> BuildEveryFieldDatabase();

// A passcard named `name` with one item per (type, value), each with its type's default name and
// icon.
std::unique_ptr<Passcard> MakePasscard(std::string_view name,
                                       std::initializer_list<std::pair<ItemType, std::string_view>> items);

} // namespace vaultlet::test
