#include "services/BuiltinStringTable.h"

#include "resources/resource.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vaultlet {
namespace {

struct Entry {
    int id;
    const char* text;
};

constexpr Entry kUnsorted[] = {
#define VAULTLET_STRING(id, text) {id, text},
#include "resources/BuiltinStrings.def"
#undef VAULTLET_STRING
};

constexpr std::size_t kCount = sizeof kUnsorted / sizeof kUnsorted[0];

constexpr std::array<Entry, kCount> Sorted() {
    std::array<Entry, kCount> entries{};
    for (std::size_t i = 0; i < kCount; ++i) {
        entries[i] = kUnsorted[i];
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.id < b.id; });
    return entries;
}

constexpr std::array<Entry, kCount> kTable = Sorted();

constexpr bool HasDuplicates() {
    for (std::size_t i = 1; i < kCount; ++i) {
        if (kTable[i - 1].id == kTable[i].id) {
            return true;
        }
    }
    return false;
}
static_assert(!HasDuplicates(), "a string id appears twice in BuiltinStrings.def");

} // namespace

const char* BuiltinStringTable::Find(int id) {
    const auto found = std::lower_bound(kTable.begin(), kTable.end(), id,
                                        [](const Entry& entry, int wanted) { return entry.id < wanted; });
    return found != kTable.end() && found->id == id ? found->text : nullptr;
}

std::vector<int> BuiltinStringTable::Ids() {
    std::vector<int> ids;
    ids.reserve(kCount);
    for (const Entry& entry : kTable) {
        ids.push_back(entry.id);
    }
    return ids;
}

} // namespace vaultlet
