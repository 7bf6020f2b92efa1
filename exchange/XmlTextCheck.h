#pragma once

#include <string_view>

namespace vaultlet {

// True when the bytes can be an XML document in UTF-8, checked before they reach the parser, which
// reads any bytes as UTF-8 and would otherwise let a file in another encoding through as garbled
// text, or cut a value short at an encoded NUL:
// - the text (after an optional UTF-8 byte-order mark) is well-formed UTF-8 made only of characters
//   that XML allows (no NUL, no other control characters than tab, line feed and carriage return);
// - every character reference names such a character (references inside comments and CDATA
//   sections are plain text and not checked);
// - an XML declaration that names an encoding names UTF-8.
bool IsUtf8XmlText(std::string_view text);

} // namespace vaultlet
