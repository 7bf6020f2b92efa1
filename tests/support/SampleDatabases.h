#pragma once

#include "core/Database.h"

#include <memory>

namespace vaultlet::test {

// A database that sets every field of every class to something a careless writer or reader would
// get wrong: XML-special and non-ASCII text (in the system's code page), tabs and line feeds, binary
// data with zero bytes, items of every type number 0 to 15, hidden items, an expiry above 2^32,
// window ids, and a group and passcard without children.
std::unique_ptr<Database> BuildEveryFieldDatabase();

} // namespace vaultlet::test
