#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace vaultlet::test {

// `size` bytes from a seeded generator: random keys and messages that are the same in every run.
inline std::vector<std::uint8_t> RandomBytes(std::mt19937& random, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    return bytes;
}

} // namespace vaultlet::test
