#pragma once

#include "core/SecureString.h"

#include <istream>

namespace vaultlet {

// Reading secrets from standard input into wiping strings (never into plain std::string).

// One line without its line end ("\n", or "\r\n" as Windows programs write it). False when the input
// has ended before any character.
bool ReadInputLine(std::istream& in, SecureString& line);

// Everything up to the end of the input, without one trailing line end ("\n" or "\r\n"), so that
// `echo VALUE |` gives VALUE.
SecureString ReadRemainingInput(std::istream& in);

} // namespace vaultlet
