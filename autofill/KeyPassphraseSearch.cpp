#include "autofill/KeyPassphraseSearch.h"

#include "core/Database.h"

namespace vaultlet {

SecureString FindKeyPassphrase(const Database& database, std::string_view keyName) {
    SecureString passphrase;
    for (const auto& group : database.Children()) {
        for (const auto& passcard : group->Children()) {
            for (const auto& item : passcard->Children()) {
                if (item->Type() != ItemType::KeyPassphrase || item->Meta().Viewed() != keyName) {
                    continue;
                }
                if (!passphrase.empty()) {
                    return SecureString();
                }
                passphrase = item->Value().Viewed();
            }
        }
    }
    return passphrase;
}

} // namespace vaultlet
