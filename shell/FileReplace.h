#pragma once

#include <string>

namespace vaultlet {

// Moves source over target in one step, replacing target if it exists. Narrow paths are in the
// system's ANSI code page. False when the move fails; source then still exists.
bool ReplaceFileWith(const std::string& source, const std::string& target);

} // namespace vaultlet
