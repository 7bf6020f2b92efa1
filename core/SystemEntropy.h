#pragma once

#include <cstddef>
#include <cstdint>

namespace vaultlet {

// Fills the buffer from the operating system's cryptographic random source (BCryptGenRandom on
// Windows, getrandom elsewhere). False when the source fails; the buffer content is then undefined.
bool FillSystemRandom(std::uint8_t* data, std::size_t size) noexcept;

} // namespace vaultlet
