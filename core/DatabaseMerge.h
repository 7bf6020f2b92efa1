#pragma once

#include "core/Database.h"
#include "core/MergeReport.h"

#include <memory>
#include <string_view>

namespace vaultlet {

struct MergeResult {
    std::unique_ptr<Database> merged;
    MergeReport report;
};

// Merges two copies of a database that went their own ways since a common version (the base: the
// file as one of them last read or wrote it), so that neither side's changes are lost. Nodes are
// paired under their parents by identity (SiblingMatch). For each node:
// - changed on one side only: that side's version; changed the same way on both: once;
// - removed on one side and left as it was on the other: removed; removed on one side and changed
//   on the other (anywhere below it too): the changed one stays;
// - a node's own fields merge one by one; a field both sides changed differently keeps ours in
//   place, and theirs is put right after it as "<name><suffix>": an item with its fields, a passcard
//   with its fields and items, a group with its fields only (its passcards merge into ours).
//   The window a passcard was last filled into and its window id are records the program keeps by
//   itself: there ours wins without a copy;
// - a node only theirs has follows the node it follows there.
// The database itself keeps our name (the report says when theirs differs); its note and icon merge
// as fields, but having no place beside them, a note both changed holds ours and then theirs after
// an empty line, and for the icon ours stays.
//
// Without a base (null) nothing is known to be removed: the result is the union, with both versions
// of every node that differs. The inputs stay as they are; so does ModifiedFlag.
class DatabaseMerge {
public:
    static MergeResult Merge(const Database* base, const Database& ours, const Database& theirs,
                             std::string_view otherCopySuffix);
};

} // namespace vaultlet
