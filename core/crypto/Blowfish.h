#pragma once

#include <cstddef>
#include <cstdint>

namespace vaultlet {

// The Blowfish block cipher (8-byte blocks, keys of 1 to 56 bytes), electronic codebook over whole
// blocks. A block is two 32-bit halves, each most significant byte first (left half = bytes 0 to 3),
// and the key schedule reads key bytes most significant first into words, cycling through the key;
// both are spelled out byte by byte, so the result does not depend on the host's byte order. The
// destructor and Wipe clear the schedule.
class Blowfish {
public:
    static constexpr std::size_t kBlockSize = 8;
    static constexpr std::size_t kMaxKeyLength = 56;

    Blowfish() noexcept = default;
    ~Blowfish();
    Blowfish(const Blowfish&) = delete;
    Blowfish& operator=(const Blowfish&) = delete;

    // False, with nothing set, for an empty key or one longer than 56 bytes.
    [[nodiscard]] bool SetKey(const std::uint8_t* key, std::size_t length) noexcept;
    // Sets two keys of the same length on two objects at once, with the same result as SetKey on
    // each. The key schedule is one long chain of dependent lookups; running two of them interleaved
    // lets the processor overlap them, which nearly doubles the rate at which candidate keys of a
    // password search can be tried.
    [[nodiscard]] static bool SetKeyPair(Blowfish& first, const std::uint8_t* firstKey, Blowfish& second,
                                         const std::uint8_t* secondKey, std::size_t length) noexcept;
    // Whole blocks, each on its own; in and out may be the same buffer.
    void EncryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) const noexcept;
    void DecryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) const noexcept;
    void Wipe() noexcept;

    struct Schedule {
        std::uint32_t p[18];
        std::uint32_t s[4][256];
    };

private:
    Schedule m_schedule;
    bool m_keyed = false;
};

} // namespace vaultlet
