#pragma once

#include "core/Database.h"

#include <memory>

namespace vaultlet {

// Exact copies of model nodes: every field as it is, the creation time and the bookmark flag too
// (unlike Clone, which makes a new node from an old one). A copy keeps what the user has open
// apart from what a merge or a saved version holds; ModifiedFlag stays as it was.
class ModelCopy {
public:
    static std::unique_ptr<Item> Of(const Item& item);
    static std::unique_ptr<Passcard> Of(const Passcard& passcard);
    static std::unique_ptr<Group> Of(const Group& group);
    static std::unique_ptr<Database> Of(const Database& database);

    // The node's own fields without its children.
    static std::unique_ptr<Passcard> FieldsOf(const Passcard& passcard);
    static std::unique_ptr<Group> FieldsOf(const Group& group);
};

} // namespace vaultlet
