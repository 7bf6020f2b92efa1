#pragma once

#include "core/Database.h"

namespace vaultlet {

// Whether two nodes are the same version of a node: every field equal (name and creation time
// included) and, for containers, the same children in the same order. Parents do not count.
class NodeEquality {
public:
    static bool Same(const Item& a, const Item& b);
    static bool Same(const Passcard& a, const Passcard& b);
    static bool Same(const Group& a, const Group& b);
    static bool Same(const Database& a, const Database& b);

    // The node's own fields only.
    static bool SameFields(const ModelNode& a, const ModelNode& b);
    static bool SameFields(const Passcard& a, const Passcard& b);
};

} // namespace vaultlet
