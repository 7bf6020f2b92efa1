#pragma once

#include <cstddef>
#include <cstdint>

namespace vaultlet {

// AES on the x86 AES instructions, for 16-byte blocks. Round keys are the little-endian column words
// of the Rijndael schedule (so their bytes are the round key bytes in order), 16-byte aligned. The
// decryption keys are those of the equivalent inverse cipher. Only call these when Available().
class AesNi {
public:
    // The processor has the AES instructions (and the operating system saves the XMM registers).
    static bool Available() noexcept;

    // The encryption schedule of a 16- or 32-byte key; false (nothing written) for other lengths,
    // which the table code expands instead.
    static bool ExpandKey(const std::uint8_t* key, std::size_t keyLength, std::uint32_t* keys) noexcept;
    static void InverseKeys(const std::uint32_t* encrypt, std::uint32_t* decrypt, int rounds) noexcept;
    // One block decrypted straight from the encryption schedule (no decryption schedule to build).
    static void DecryptBlockWithEncryptionKeys(const std::uint32_t* keys, int rounds, const std::uint8_t* in,
                                               std::uint8_t* out) noexcept;
    static void EncryptBlocks(const std::uint32_t* keys, int rounds, const std::uint8_t* in, std::uint8_t* out,
                              std::size_t blocks) noexcept;
    static void DecryptBlocks(const std::uint32_t* keys, int rounds, const std::uint8_t* in, std::uint8_t* out,
                              std::size_t blocks) noexcept;
    // The block `in` encrypted under each of kKeyLanes keys of keyLength bytes (16 or 32), stored one
    // after another in `keys`; the results go one after another to `out`. The schedules are made
    // alongside the rounds, and the keys run interleaved.
    static constexpr int kKeyLanes = 4;
    static void EncryptBlockUnderKeys(const std::uint8_t* keys, std::size_t keyLength, const std::uint8_t* in,
                                      std::uint8_t* out) noexcept;
};

} // namespace vaultlet
