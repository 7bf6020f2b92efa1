#pragma once

#include "core/SecureString.h"

#include <string>
#include <string_view>

namespace vaultlet {

// Output of the command-line tool is one record a line, so a text printed inside a line must not end
// it, and a text from an untrusted file must not reach the terminal as a control sequence: a line
// feed is written as the two characters "\n", a carriage return as "\r", and every other control
// character (below 32 except tab, DEL, and the C1 controls U+0080 to U+009F of the system's
// character set) as "\x" and two hexadecimal digits of its code ("\x1b"). Everything else, tab
// included, is written as it is, byte for byte.
void AppendOneLine(SecureString& line, std::string_view text);
// The same for texts that are not secret (messages).
std::string OneLine(std::string_view text);

} // namespace vaultlet
