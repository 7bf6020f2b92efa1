#pragma once

#include "core/SecureString.h"

#include <cstdint>
#include <string_view>

namespace tinyxml2 {
class XMLElement;
}

namespace vaultlet {

// Element text access shared by the exchange formats. Model text is narrow ANSI text; the files are
// UTF-8.

// The UTF-8 text of the parent's first child element of that name; null when there is no such
// child or it has no text.
const char* ChildTextUtf8(const tinyxml2::XMLElement* parent, const char* name);
// Thrown by ChildText for text that the system's code page cannot keep exactly: converted, two
// different passwords could become the same bytes, so such a file is refused rather than changed.
struct TextNotExact {};

// The same text converted to ANSI; empty when there is none. Throws TextNotExact when the conversion
// would change it.
SecureString ChildText(const tinyxml2::XMLElement* parent, const char* name);

// Numbers as the C library reads them: the number at the start of the text, 0 when the text does
// not start with one ("12abc" is 12, "abc" is 0).
std::int64_t ParseLenientDecimal(const char* text);
// Hexadecimal, with or without a "0x" prefix.
std::uint64_t ParseLenientHex(const char* text);

// Appends a child element holding the ANSI text converted to UTF-8 (an empty element for empty
// text) and returns it.
tinyxml2::XMLElement* AppendTextElement(tinyxml2::XMLElement* parent, const char* name, std::string_view ansi);

} // namespace vaultlet
