#pragma once

#include <cstddef>
#include <cstdint>

namespace vaultlet {

// The Twofish block cipher (16-byte blocks; 16-, 24- or 32-byte keys), electronic codebook over whole
// blocks. Two ways to hold the key-dependent S-boxes: Full precomputes all four as 256-entry tables
// (a few thousand lookups once, then four per g function), Compact keeps only the S-box key words and
// evaluates the q permutations per byte (no set-up, about four times the work per block). Both compute
// the same function; Compact pays off for a handful of blocks, which is what the database format's
// key candidates decrypt. The destructor and Wipe clear the schedule.
class Twofish {
public:
    enum class Keying { Compact, Full };
    static constexpr std::size_t kBlockSize = 16;

    Twofish() noexcept = default;
    ~Twofish();
    Twofish(const Twofish&) = delete;
    Twofish& operator=(const Twofish&) = delete;

    // False, with nothing set, for a length other than 16, 24 or 32.
    [[nodiscard]] bool SetKey(const std::uint8_t* key, std::size_t length, Keying keying = Keying::Full) noexcept;
    // Whole blocks, each on its own; in and out may be the same buffer.
    void EncryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) const noexcept;
    void DecryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) const noexcept;
    // One block under each of two keys of the same length, in step: the rounds of one hide the
    // lookup latency of the other, which a single block cannot. False, with nothing written, unless
    // both keys are set with the same length and keying.
    [[nodiscard]] static bool EncryptBlockPair(const Twofish& first, const Twofish& second, const std::uint8_t* in,
                                               std::uint8_t* firstOut, std::uint8_t* secondOut) noexcept;
    void Wipe() noexcept;

private:
    std::uint32_t m_subkeys[40] = {};
    // S-box key words in the order h consumes them (the paper's S_{k-1} first).
    std::uint32_t m_sboxKey[4] = {};
    std::uint32_t m_sbox[4][256];
    int m_keyWords = 0;
    Keying m_keying = Keying::Compact;
};

} // namespace vaultlet
