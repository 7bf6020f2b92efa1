#include "core/crypto/Aes128Cipher.h"

namespace vaultlet {

const char* Aes128Cipher::Name() const {
    return "AES (Rijndael) using 128-bit key";
}

} // namespace vaultlet
