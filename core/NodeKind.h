#pragma once

namespace vaultlet {

// What a model node is; code that receives a ModelNode dispatches on it.
enum class NodeKind { Database = 0, Group = 1, Passcard = 2, Item = 3 };

} // namespace vaultlet
