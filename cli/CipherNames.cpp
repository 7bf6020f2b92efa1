#include "cli/CipherNames.h"

#include "cli/CliFailure.h"
#include "cli/OutputText.h"

#include <string>

namespace vaultlet {

int CipherIdOfName(std::string_view name) {
    for (const CipherName& cipher : kCipherNames) {
        if (cipher.name == name) {
            return cipher.id;
        }
    }
    throw UsageError("unknown cipher \"" + OneLine(name) + "\" (aes256, aes128, twofish or blowfish)");
}

} // namespace vaultlet
