// Decoding arbitrary text must never crash, and whatever decodes must encode back to a text that
// decodes to the same bytes.
#include "core/Ascii85Codec.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vaultlet::SecureBytes decoded;
    if (vaultlet::Ascii85Codec::Decode(text, decoded) && !decoded.empty()) {
        const vaultlet::SecureString again = vaultlet::Ascii85Codec::Encode(decoded.data(), decoded.size());
        vaultlet::SecureBytes twice;
        if (!vaultlet::Ascii85Codec::Decode(again, twice) || !(twice == decoded)) {
            std::abort();
        }
    }
    return 0;
}
