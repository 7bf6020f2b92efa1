// Reading an arbitrary document into the model must never crash. Whatever reads must print, and
// from the second round on printing and reading must be stable (the first round may normalise:
// invalid UTF-8 is replaced, a time of 0 is not written and reads back as the time of reading).
#include "core/Clock.h"
#include "core/Database.h"
#include "core/DatabaseDocument.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool Reprint(std::string_view text, vaultlet::SecureString& printed) {
    vaultlet::Database database;
    return vaultlet::DatabaseDocument::Parse(text, database) && vaultlet::DatabaseDocument::Print(database, printed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vaultlet::Clock::SetFixed(1700000000);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vaultlet::Database database;
    if (!vaultlet::DatabaseDocument::Parse(text, database)) {
        return 0;
    }
    vaultlet::SecureString first;
    vaultlet::SecureString second;
    vaultlet::SecureString third;
    if (!vaultlet::DatabaseDocument::Print(database, first) || !Reprint(first, second) || !Reprint(second, third) ||
        !(second == third)) {
        std::abort();
    }
    return 0;
}
