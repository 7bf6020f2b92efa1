#pragma once

#include "core/crypto/Cipher.h"

#include <array>
#include <memory>

namespace vaultlet {

// The four ciphers a database can use, in the order every cipher list shows them: AES-256 (id 1),
// AES-128 (0), Twofish (2), Blowfish (3). Dialogs map a list position to a cipher with At and store
// its Id; the file format finds the cipher of a stored identifier with FindById.
class CipherRegistry {
public:
    CipherRegistry();
    ~CipherRegistry();
    CipherRegistry(const CipherRegistry&) = delete;
    CipherRegistry& operator=(const CipherRegistry&) = delete;

    int Count() const noexcept { return static_cast<int>(m_ciphers.size()); }
    // Null when the index is outside 0..Count()-1.
    Cipher* At(int index) const noexcept;
    // The first cipher with that Id, or null.
    Cipher* FindById(int id) const noexcept;

private:
    std::array<std::unique_ptr<Cipher>, 4> m_ciphers;
};

} // namespace vaultlet
