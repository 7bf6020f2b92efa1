// Feeds arbitrary bytes to the KeePass 2 XML reader: it must either fail or return a database whose
// items all carry a value, and fail again on the next file when that one is broken.
#include "core/Database.h"
#include "exchange/KeePass2Import.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace vaultlet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    KeePass2Import import;
    const auto database = import.importFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (database) {
        for (const auto& group : database->Children()) {
            for (const auto& passcard : group->Children()) {
                for (const auto& item : passcard->Children()) {
                    if (item->Value().empty()) {
                        __builtin_trap();
                    }
                }
            }
        }
    }
    // The reader keeps the database it builds as state; a second, broken file must not see it.
    if (import.importFromText("<broken") != nullptr) {
        __builtin_trap();
    }
    return 0;
}
