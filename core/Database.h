#pragma once

#include "core/Group.h"
#include "core/NodeContainer.h"

#include <cstddef>

namespace vaultlet {

// The root of a password database: its name and its groups.
class Database : public NodeContainer<Group> {
public:
    // Ends with ModifiedFlag cleared.
    Database();

    NodeKind Kind() const override { return NodeKind::Database; }

    std::size_t GroupCount() const noexcept { return Count(); }
    std::size_t PasscardCount() const noexcept;
    std::size_t ItemCount() const noexcept;

    // Removes a group from this database, or a passcard or item from its parent. A database node
    // and a node without a parent are ignored.
    void DeleteNode(ModelNode* node);

    // Moves every group of the source into this database, renaming a group whose name is taken to
    // "<name> 1", "<name> 2", ... Returns the number of groups moved; the source is left empty.
    int MergeGroups(Database& source);

    // Takes over the source's name, comment, image and groups (its groups move here, ours are
    // destroyed); the creation time stays. The source is left without groups.
    void AdoptContent(Database& source);
};

} // namespace vaultlet
