// Feeds arbitrary bytes to the KeePass 1.x XML reader: it must either fail or return a database in
// which every passcard holds at least one item, in a group of a name used only once.
#include "core/Database.h"
#include "exchange/KeePass1Import.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace vaultlet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto database = KeePass1Import().importFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!database) {
        return 0;
    }
    for (std::size_t g = 0; g < database->Count(); ++g) {
        const Group& group = *database->At(g);
        if (group.Name().empty() || database->FindByName(group.Name()) != &group) {
            __builtin_trap();
        }
        for (const auto& passcard : group.Children()) {
            if (passcard->Count() == 0 || passcard->Name().empty()) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
