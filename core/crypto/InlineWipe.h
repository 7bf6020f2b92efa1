#pragma once

#include <cstddef>

namespace vaultlet {

// Zeroes a buffer in line, for the small key and schedule buffers the key derivation wipes hundreds
// of thousands of times, where the call into SecureWipe would cost more than the work it guards. The
// empty assembler statement claims to read the memory through the pointer, so the compiler must
// perform the stores even when nothing reads the buffer afterwards (the dead-store elimination that a
// plain fill would fall to); this is the same guarantee SecureWipe gives.
[[gnu::always_inline]] inline void InlineWipe(void* data, std::size_t size) noexcept {
    auto* bytes = static_cast<unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = 0;
    }
    __asm__ __volatile__("" : : "r"(data) : "memory");
}

} // namespace vaultlet
