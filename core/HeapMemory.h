#pragma once

#include <cstddef>

namespace vaultlet {

// The two calls SecureWipe needs from the C library it runs on, which each platform spells its own
// way.

// Zeroes the bytes through a call the compiler may not drop as a dead store.
void ForceZero(void* data, std::size_t size) noexcept;
// The usable size of a block from the heap, at least what was asked for when it was allocated.
std::size_t HeapBlockSize(void* block) noexcept;

} // namespace vaultlet
