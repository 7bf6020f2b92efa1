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
    // Appends the decoded bytes to the output. A damaged text (a character outside the alphabet, a
    // "z" inside a group, a group above 2^32 - 1, missing delimiters) appends nothing and returns
    // false: bytes decoded before the damage would be shifted or incomplete.
    static bool Decode(std::string_view text, SecureBytes& bytes);
};

} // namespace vaultlet
