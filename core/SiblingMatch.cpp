#include "core/SiblingMatch.h"

#include "core/Item.h"

#include <cstdint>
#include <functional>
#include <list>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace vaultlet {
namespace {

struct NodeKey {
    std::string_view name;
    std::int64_t time = 0;
    std::uint32_t type = 0;

    bool operator==(const NodeKey&) const = default;
};

struct NodeKeyHash {
    std::size_t operator()(const NodeKey& key) const noexcept {
        std::size_t hash = std::hash<std::string_view>{}(key.name);
        hash = hash * 31 + std::hash<std::int64_t>{}(key.time);
        return hash * 31 + key.type;
    }
};

NodeKey KeyOf(const ModelNode& node) {
    NodeKey key{node.Name().Viewed(), node.Time()};
    if (node.Kind() == NodeKind::Item) {
        key.type = static_cast<std::uint32_t>(static_cast<const Item&>(node).Type());
    }
    return key;
}

// Where each identity occurs in one list, and which occurrence of its identity each node is.
class KeyPositions {
public:
    explicit KeyPositions(const SiblingMatch::List& list) {
        m_occurrence.reserve(list.size());
        for (std::size_t i = 0; i < list.size(); ++i) {
            std::vector<std::size_t>& positions = m_positions[KeyOf(*list[i])];
            m_occurrence.push_back(positions.size());
            positions.push_back(i);
        }
    }

    // The position of the given occurrence of the identity, or none.
    std::optional<std::size_t> Find(const NodeKey& key, std::size_t occurrence) const {
        const auto found = m_positions.find(key);
        if (found == m_positions.end() || occurrence >= found->second.size()) {
            return std::nullopt;
        }
        return found->second[occurrence];
    }
    std::size_t Occurrence(std::size_t position) const { return m_occurrence[position]; }

private:
    std::unordered_map<NodeKey, std::vector<std::size_t>, NodeKeyHash> m_positions;
    std::vector<std::size_t> m_occurrence;
};

} // namespace

SiblingMatch::SiblingMatch(const List& base, const List& ours, const List& theirs)
    : m_oursSlots(ours.size()), m_theirsSlots(theirs.size(), kNone) {
    const KeyPositions basePositions(base);
    const KeyPositions oursPositions(ours);
    const KeyPositions theirsPositions(theirs);
    const auto addSlot = [&](const NodeKey& key, std::size_t occurrence) {
        const std::optional<std::size_t> inBase = basePositions.Find(key, occurrence);
        m_slots.push_back({inBase ? base[*inBase] : nullptr, nullptr, nullptr});
        m_basePosition.push_back(inBase.value_or(kNone));
        return m_slots.size() - 1;
    };
    for (std::size_t i = 0; i < ours.size(); ++i) {
        const NodeKey key = KeyOf(*ours[i]);
        const std::size_t occurrence = oursPositions.Occurrence(i);
        const std::size_t slot = addSlot(key, occurrence);
        m_slots[slot].ours = ours[i];
        m_oursSlots[i] = slot;
        if (const std::optional<std::size_t> inTheirs = theirsPositions.Find(key, occurrence)) {
            m_slots[slot].theirs = theirs[*inTheirs];
            m_theirsSlots[*inTheirs] = slot;
        }
    }
    for (std::size_t i = 0; i < theirs.size(); ++i) {
        if (m_theirsSlots[i] == kNone) {
            m_theirsSlots[i] = addSlot(KeyOf(*theirs[i]), theirsPositions.Occurrence(i));
            m_slots[m_theirsSlots[i]].theirs = theirs[i];
        }
    }
}

bool SiblingMatch::KeepsBaseOrder(const std::vector<std::size_t>& sideSlots) const {
    std::size_t last = 0;
    bool first = true;
    for (const std::size_t slot : sideSlots) {
        const Slot& node = m_slots[slot];
        if (node.base == nullptr || node.ours == nullptr || node.theirs == nullptr) {
            continue;
        }
        if (!first && m_basePosition[slot] < last) {
            return false;
        }
        last = m_basePosition[slot];
        first = false;
    }
    return true;
}

std::vector<SiblingMatch::Slot> SiblingMatch::Ordered() const {
    const bool theirsOrder = KeepsBaseOrder(m_oursSlots) && !KeepsBaseOrder(m_theirsSlots);
    const std::vector<std::size_t>& primary = theirsOrder ? m_theirsSlots : m_oursSlots;
    const std::vector<std::size_t>& secondary = theirsOrder ? m_oursSlots : m_theirsSlots;

    std::list<std::size_t> sequence(primary.begin(), primary.end());
    std::vector<std::list<std::size_t>::iterator> placed(m_slots.size(), sequence.end());
    for (auto it = sequence.begin(); it != sequence.end(); ++it) {
        placed[*it] = it;
    }
    auto insertAt = sequence.begin();
    for (const std::size_t slot : secondary) {
        if (placed[slot] == sequence.end()) {
            placed[slot] = sequence.insert(insertAt, slot);
        }
        insertAt = std::next(placed[slot]);
    }

    std::vector<Slot> ordered;
    ordered.reserve(m_slots.size());
    for (const std::size_t slot : sequence) {
        ordered.push_back(m_slots[slot]);
    }
    return ordered;
}

} // namespace vaultlet
