#pragma once

#include "core/ModelNode.h"

#include <cstddef>
#include <vector>

namespace vaultlet {

// The children of one parent in the three versions a merge compares (the common base, ours and
// theirs), paired up by identity, and the order they take in the merged list.
//
// A node's identity under its parent is its name and creation time, and for an item its type too:
// the file keeps no other, and a renamed node is a removed one plus a new one. Nodes with equal
// identities are told apart by their order: the n-th of them in one version is the n-th in another.
class SiblingMatch {
public:
    using List = std::vector<const ModelNode*>;

    // One node in up to three versions; null where a version does not have it.
    struct Slot {
        const ModelNode* base = nullptr;
        const ModelNode* ours = nullptr;
        const ModelNode* theirs = nullptr;
    };

    // An empty base: every node is new to both sides (a union).
    SiblingMatch(const List& base, const List& ours, const List& theirs);

    // Every slot once, in the order of the merged list: ours, or theirs when only theirs changed the
    // order of the nodes all three versions share. A node the other side has alone follows the node
    // it follows there (the first place when it comes first).
    std::vector<Slot> Ordered() const;

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    bool KeepsBaseOrder(const std::vector<std::size_t>& sideSlots) const;

    std::vector<Slot> m_slots;
    // The base position of each slot's node, kNone when the base lacks it.
    std::vector<std::size_t> m_basePosition;
    // The slot of each node of ours and of theirs, in their order.
    std::vector<std::size_t> m_oursSlots;
    std::vector<std::size_t> m_theirsSlots;
};

} // namespace vaultlet
