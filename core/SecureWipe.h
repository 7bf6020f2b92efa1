#pragma once

#include <cstddef>

namespace vaultlet {

// Overwrites memory with zeros in a way the compiler may not remove as a dead store. Every buffer
// that held a secret (a password, key material, decrypted text) passes through here before it is
// released.
void SecureWipe(void* data, std::size_t size) noexcept;

} // namespace vaultlet
