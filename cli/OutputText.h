#pragma once

#include "core/SecureString.h"

#include <string>
#include <string_view>

namespace vaultlet {

// Output of the command-line tool is one record a line, so a text printed inside a line must not end
// it: a line feed is written as the two characters "\n" and a carriage return as "\r"; every other
// byte is written as it is.
void AppendOneLine(SecureString& line, std::string_view text);
// The same for texts that are not secret (messages).
std::string OneLine(std::string_view text);

} // namespace vaultlet
