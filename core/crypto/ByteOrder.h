#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace vaultlet::bytes {

// Word loads and stores with an explicit byte order, whatever the host's. The memcpy forms compile
// to single (possibly byte-swapping) moves and have no alignment requirement.

inline std::uint32_t LoadLe32(const std::uint8_t* p) noexcept {
    std::uint32_t value;
    std::memcpy(&value, p, sizeof value);
    if constexpr (std::endian::native == std::endian::big) {
        value = __builtin_bswap32(value);
    }
    return value;
}

inline void StoreLe32(std::uint8_t* p, std::uint32_t value) noexcept {
    if constexpr (std::endian::native == std::endian::big) {
        value = __builtin_bswap32(value);
    }
    std::memcpy(p, &value, sizeof value);
}

inline std::uint32_t LoadBe32(const std::uint8_t* p) noexcept {
    std::uint32_t value;
    std::memcpy(&value, p, sizeof value);
    if constexpr (std::endian::native == std::endian::little) {
        value = __builtin_bswap32(value);
    }
    return value;
}

inline void StoreBe32(std::uint8_t* p, std::uint32_t value) noexcept {
    if constexpr (std::endian::native == std::endian::little) {
        value = __builtin_bswap32(value);
    }
    std::memcpy(p, &value, sizeof value);
}

inline void StoreLe64(std::uint8_t* p, std::uint64_t value) noexcept {
    if constexpr (std::endian::native == std::endian::big) {
        value = __builtin_bswap64(value);
    }
    std::memcpy(p, &value, sizeof value);
}

// Byte n (0 = least significant) of a word.
constexpr std::uint32_t Byte(std::uint32_t word, int n) noexcept {
    return (word >> (8 * n)) & 0xFF;
}

} // namespace vaultlet::bytes
