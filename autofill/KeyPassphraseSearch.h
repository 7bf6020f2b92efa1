#pragma once

#include "core/SecureString.h"

#include <string_view>

namespace vaultlet {

class Database;

// The value of the one key-passphrase item whose key name (meta) equals the text exactly, searched
// in every passcard of every group whatever its auto-fill flag. Empty when there is none, or when a
// second such item turns up after a non-empty value was found: an ambiguous prompt gets nothing.
SecureString FindKeyPassphrase(const Database& database, std::string_view keyName);

} // namespace vaultlet
