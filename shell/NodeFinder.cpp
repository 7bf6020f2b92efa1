#include "shell/NodeFinder.h"

#include "core/Database.h"

#include <algorithm>

namespace vaultlet {
namespace {

constexpr std::string_view kPathSeparator = " / ";

} // namespace

NodeFinder::NodeFinder(std::string_view text, const CaseFolding& folding) : m_text(text), m_folding(folding) {
    std::transform(m_text.begin(), m_text.end(), m_text.begin(), [&folding](char c) { return folding.Fold(c); });
}

bool NodeFinder::Contains(std::string_view where) const noexcept {
    const std::size_t length = m_text.size();
    if (length == 0 || where.size() < length) {
        return false;
    }
    const char first = m_text[0];
    for (std::size_t start = 0; start + length <= where.size(); ++start) {
        if (m_folding.Fold(where[start]) != first) {
            continue;
        }
        std::size_t matched = 1;
        while (matched < length && m_folding.Fold(where[start + matched]) == m_text[matched]) {
            ++matched;
        }
        if (matched == length) {
            return true;
        }
    }
    return false;
}

unsigned NodeFinder::PlacesIn(const ModelNode& node) const {
    unsigned places = 0;
    // The database is the root everything is found in, not something to find by its name.
    if (node.Kind() != NodeKind::Database && Contains(node.Name().Viewed())) {
        places |= kName;
    }
    if (node.Kind() == NodeKind::Item) {
        const auto& item = static_cast<const Item&>(node);
        if (!item.Hidden() && Contains(item.Value().Viewed())) {
            places |= kValue;
        }
        if (Contains(item.Meta().Viewed())) {
            places |= kMeta;
        }
    }
    if (Contains(node.Comment().Viewed())) {
        places |= kNote;
    }
    return places;
}

std::vector<NodeFinder::Found> NodeFinder::FindAll(const Database& database) const {
    std::vector<Found> found;
    if (m_text.empty()) {
        return found;
    }
    Collect(database, found);
    for (const auto& group : database.Children()) {
        Collect(*group, found);
        for (const auto& passcard : group->Children()) {
            Collect(*passcard, found);
            for (const auto& item : passcard->Children()) {
                Collect(*item, found);
            }
        }
    }
    return found;
}

void NodeFinder::Collect(const ModelNode& node, std::vector<Found>& found) const {
    if (const unsigned places = PlacesIn(node); places != 0) {
        found.push_back({&node, places});
    }
}

SecureString NodeFinder::PathOf(const ModelNode& node) {
    if (node.Kind() == NodeKind::Database || node.Parent() == nullptr) {
        return node.Name().Copy();
    }
    SecureString path;
    if (node.Parent()->Kind() != NodeKind::Database) {
        path = PathOf(*node.Parent());
        path += kPathSeparator;
    }
    path += node.Name().Viewed();
    return path;
}

const Item* NodeFinder::FieldAt(const Database& database, const void* address) {
    for (const auto& group : database.Children()) {
        for (const auto& passcard : group->Children()) {
            for (const auto& item : passcard->Children()) {
                if (static_cast<const void*>(item.get()) == address) {
                    return item.get();
                }
            }
        }
    }
    return nullptr;
}

} // namespace vaultlet
