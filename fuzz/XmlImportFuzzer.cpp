// Feeds arbitrary bytes to the own XML format's reader. Whatever it accepts must survive a round
// trip: written again by XmlExport and read back, every value the format carries is unchanged.
#include "core/Database.h"
#include "exchange/XmlExport.h"
#include "exchange/XmlImport.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace vaultlet;

namespace {

bool SameItems(const Passcard& a, const Passcard& b) {
    if (a.Count() != b.Count()) {
        return false;
    }
    for (std::size_t i = 0; i < a.Count(); ++i) {
        const Item& x = *a.At(i);
        const Item& y = *b.At(i);
        if (x.Name() != y.Name() || x.Value() != y.Value() || x.Meta() != y.Meta() || x.Image() != y.Image() ||
            x.Type() != y.Type() || x.Hidden() != y.Hidden()) {
            return false;
        }
    }
    return true;
}

bool SamePasscards(const Group& a, const Group& b) {
    if (a.Name() != b.Name() || a.Comment() != b.Comment() || a.Count() != b.Count()) {
        return false;
    }
    for (std::size_t i = 0; i < a.Count(); ++i) {
        const Passcard& x = *a.At(i);
        const Passcard& y = *b.At(i);
        if (x.Name() != y.Name() || x.Comment() != y.Comment() || x.Bookmark() != y.Bookmark() ||
            x.UseAutofill() != y.UseAutofill() || x.StoredAutofillString() != y.StoredAutofillString() ||
            x.Expiration() != y.Expiration() || !SameItems(x, y)) {
            return false;
        }
    }
    return true;
}

bool SameContent(const Database& a, const Database& b) {
    if (a.Name() != b.Name() || a.Comment() != b.Comment() || a.Count() != b.Count()) {
        return false;
    }
    for (std::size_t i = 0; i < a.Count(); ++i) {
        if (!SamePasscards(*a.At(i), *b.At(i))) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    XmlImport import;
    const auto database = import.importFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!database) {
        return 0;
    }
    SecureString text;
    if (!XmlExport::Print(*database, nullptr, text)) {
        __builtin_trap();
    }
    const auto again = import.importFromText(text);
    if (!again || !SameContent(*database, *again)) {
        __builtin_trap();
    }
    return 0;
}
