#pragma once

#include "core/SecureString.h"

#include <cstdint>
#include <string_view>

namespace tinyxml2 {
class XMLElement;
}

namespace vaultlet {

// Attribute access for the database document. Model text is narrow ANSI text; attributes are UTF-8.
// Every operation returns false when the element is null. Readers set their output only when the
// attribute exists.

bool WriteTextAttribute(const char* name, std::string_view text, tinyxml2::XMLElement* element);
bool ReadTextAttribute(const char* name, SecureString& text, const tinyxml2::XMLElement* element);

bool WriteIntAttribute(const char* name, std::int64_t value, tinyxml2::XMLElement* element);
// Reads the decimal number at the start of the text as the C library does: "12abc" is 12, a text
// that does not start with a number is 0.
bool ReadIntAttribute(const char* name, std::int64_t& value, const tinyxml2::XMLElement* element);

// Writes "0x%08X%08X" of (high, low).
bool WriteFileTimeAttribute(const char* name, std::uint32_t low, std::uint32_t high, tinyxml2::XMLElement* element);
// Reads a hexadecimal number with an optional "0x" prefix; an empty text counts as absent.
bool ReadFileTimeAttribute(const char* name, std::uint64_t& value, const tinyxml2::XMLElement* element);

} // namespace vaultlet
