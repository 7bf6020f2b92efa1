#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vaultlet {

// A key that an auto-type template names in braces, and its virtual-key code.
struct SpecialKey {
    const char* name;
    std::uint8_t code;
};

// The named keys of auto-type templates, in the order of the insertion menu, followed by a row with
// an empty name and code 0 that marks the end.
extern const SpecialKey kSpecialKeyTable[26];

// The named rows of kSpecialKeyTable, without the end mark.
std::span<const SpecialKey> SpecialKeys() noexcept;

// The first row whose name starts the text exactly (case-sensitive), or null.
const SpecialKey* FindSpecialKeyAt(std::string_view text) noexcept;

} // namespace vaultlet
