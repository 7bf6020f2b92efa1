#include "core/crypto/CipherRegistry.h"

#include "core/crypto/Aes128Cipher.h"
#include "core/crypto/Aes256Cipher.h"
#include "core/crypto/BlowfishCipher.h"
#include "core/crypto/TwofishCipher.h"

namespace vaultlet {

CipherRegistry::CipherRegistry()
    : m_ciphers{std::make_unique<Aes256Cipher>(), std::make_unique<Aes128Cipher>(), std::make_unique<TwofishCipher>(),
                std::make_unique<BlowfishCipher>()} {}

CipherRegistry::~CipherRegistry() = default;

Cipher* CipherRegistry::At(int index) const noexcept {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return m_ciphers[static_cast<std::size_t>(index)].get();
}

Cipher* CipherRegistry::FindById(int id) const noexcept {
    for (const auto& cipher : m_ciphers) {
        if (cipher->Id() == id) {
            return cipher.get();
        }
    }
    return nullptr;
}

} // namespace vaultlet
