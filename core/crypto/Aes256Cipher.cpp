#include "core/crypto/Aes256Cipher.h"

namespace vaultlet {

const char* Aes256Cipher::Name() const {
    return "AES (Rijndael) using 256-bit key";
}

} // namespace vaultlet
