#pragma once

#include "core/crypto/ByteOrder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vaultlet::hashblocks {

// Message handling shared by the MD4-family hashes (MD5 and RIPEMD): 64-byte blocks, a one-block
// buffer for partial input, and the padding of a 1 bit, zeros and the 64-bit message length in bits,
// least significant byte first. `compress(data, blocks)` consumes whole blocks.

constexpr std::size_t kBlockSize = 64;

template <typename Compress>
void Add(std::uint8_t* buffer, std::size_t& buffered, const std::uint8_t* data, std::size_t length,
         Compress&& compress) {
    if (buffered != 0) {
        const std::size_t take = std::min(length, kBlockSize - buffered);
        std::memcpy(buffer + buffered, data, take);
        buffered += take;
        data += take;
        length -= take;
        if (buffered < kBlockSize) {
            return;
        }
        compress(buffer, 1);
        buffered = 0;
    }
    const std::size_t blocks = length / kBlockSize;
    if (blocks != 0) {
        compress(data, blocks);
    }
    data += blocks * kBlockSize;
    length -= blocks * kBlockSize;
    if (length != 0) {
        std::memcpy(buffer, data, length);
    }
    buffered = length;
}

template <typename Compress>
void Pad(std::uint8_t* buffer, std::size_t buffered, std::uint64_t messageBytes, Compress&& compress) {
    buffer[buffered++] = 0x80;
    if (buffered > kBlockSize - 8) {
        std::memset(buffer + buffered, 0, kBlockSize - buffered);
        compress(buffer, 1);
        buffered = 0;
    }
    std::memset(buffer + buffered, 0, kBlockSize - 8 - buffered);
    bytes::StoreLe64(buffer + kBlockSize - 8, messageBytes * 8);
    compress(buffer, 1);
}

} // namespace vaultlet::hashblocks
