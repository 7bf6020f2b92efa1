#include "core/crypto/BlowfishCipher.h"

namespace vaultlet {

const char* BlowfishCipher::Name() const {
    return "Blowfish (64-bit block cipher using 256-bit key)";
}

} // namespace vaultlet
