#include "core/EncryptedDatabase.h"
#include "core/MachineFacts.h"
#include "core/SecureWipe.h"
#include "core/crypto/GeneratorRandom.h"
#include "core/crypto/Md5.h"

namespace vaultlet {

void SeedRandomFromMachine() {
    Md5 hash;
    AddMachineFacts(hash);
    std::uint8_t digest[Md5::kDigestSize];
    hash.Finish(digest);
    std::uint32_t seed = 0;
    for (const std::uint8_t byte : digest) {
        seed += static_cast<std::uint32_t>(GeneratorRandom::Next()) + byte;
    }
    GeneratorRandom::Seed(seed);
    SecureWipe(digest, sizeof digest);
    SecureWipe(&seed, sizeof seed);
}

} // namespace vaultlet
