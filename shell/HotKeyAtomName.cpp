#include "shell/HotKeyAtomName.h"

#include "core/crypto/GeneratorRandom.h"

#include <cstdio>

namespace vaultlet {

std::string HotKeyAtomName() {
    constexpr int kParts = 8;
    constexpr int kModulus = 65535;
    std::string name;
    for (int i = 0; i < kParts; ++i) {
        char part[8];
        std::snprintf(part, sizeof part, "%04X", static_cast<unsigned>(GeneratorRandom::Next() % kModulus));
        if (i > 0) {
            name += '-';
        }
        name += part;
    }
    return name;
}

} // namespace vaultlet
