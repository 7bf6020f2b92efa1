#pragma once

#include <cstddef>
#include <cstdint>

namespace vaultlet {

// MD5 as defined in RFC 1321, streaming: Start, Add bytes any number of times, Finish to 16 bytes.
// Used only to mix machine facts into the seed of the pseudo-random source, never for key material.
// Finish wipes the message state and starts over; the destructor wipes too.
class Md5 {
public:
    static constexpr std::size_t kBlockSize = 64;
    static constexpr std::size_t kDigestSize = 16;

    Md5() noexcept { Start(); }
    ~Md5();
    Md5(const Md5&) = delete;
    Md5& operator=(const Md5&) = delete;

    void Start() noexcept;
    void Add(const std::uint8_t* data, std::size_t length) noexcept;
    void Finish(std::uint8_t* digest) noexcept;

    static void Hash(const std::uint8_t* data, std::size_t length, std::uint8_t* digest) noexcept;

private:
    void CompressBlocks(const std::uint8_t* data, std::size_t blocks) noexcept;
    void Wipe() noexcept;

    std::uint32_t m_state[4];
    std::uint8_t m_buffer[kBlockSize];
    std::uint64_t m_length = 0;
    std::size_t m_buffered = 0;
};

} // namespace vaultlet
