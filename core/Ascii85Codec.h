#pragma once

#include "core/SecureBytes.h"
#include "core/SecureString.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vaultlet {

// Adobe's Ascii85 with its "<~" "~>" delimiters, lines of 72 columns, and four characters swapped
// for letters so the text can sit in a CDATA section: "<" -> "x", ">" -> "y", "[" -> "v", "]" -> "w".
class Ascii85Codec {
public:
    static SecureString Encode(const std::uint8_t* data, std::size_t size);
    // Appends the decoded bytes to the output. On a damaged text it returns false, keeping the
    // bytes decoded before the damage.
    static bool Decode(std::string_view text, SecureBytes& bytes);
};

} // namespace vaultlet
