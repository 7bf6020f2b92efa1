#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vaultlet {

// The four RIPEMD widths. 128 and 160 are the standardised functions; 256 and 320 are their
// double-width extensions published by the RIPEMD designers (two lines kept apart, with their own
// initial values and a word exchanged between the lines after every round).
enum class RipemdVariant { Ripemd128 = 128, Ripemd160 = 160, Ripemd256 = 256, Ripemd320 = 320 };

// Streaming RIPEMD: Start with a width, Add bytes any number of times, Finish writes the digest (the
// chaining words, least significant byte first). Finish wipes the message state and starts over with
// the same width; the destructor wipes too.
//
// The static one-shot forms for exactly 32 input bytes serve the key derivation, which hashes a 32-byte
// key hundreds of thousands of times: they skip buffering and fold the padding into the single
// compression.
class Ripemd {
public:
    static constexpr std::size_t kMaxDigestSize = 40;

    explicit Ripemd(RipemdVariant variant = RipemdVariant::Ripemd160) noexcept;
    ~Ripemd();
    Ripemd(const Ripemd&) = delete;
    Ripemd& operator=(const Ripemd&) = delete;

    void Start(RipemdVariant variant) noexcept;
    void Add(const std::uint8_t* data, std::size_t length) noexcept;
    // Writes DigestSize() bytes.
    void Finish(std::uint8_t* digest) noexcept;

    std::size_t DigestSize() const noexcept { return DigestSize(m_variant); }

    static constexpr std::size_t DigestSize(RipemdVariant variant) noexcept {
        return static_cast<std::size_t>(variant) / 8;
    }
    // The width whose digest has the given number of bytes (16, 20, 32, 40), if any.
    static std::optional<RipemdVariant> ForDigestSize(std::size_t bytes) noexcept;

    static void Hash(RipemdVariant variant, const std::uint8_t* data, std::size_t length,
                     std::uint8_t* digest) noexcept;
    // RIPEMD-256 / RIPEMD-128 of exactly 32 bytes; input and digest may overlap or be the same buffer.
    static void Hash256Of32(const std::uint8_t* in, std::uint8_t* digest) noexcept;
    static void Hash128Of32(const std::uint8_t* in, std::uint8_t* digest) noexcept;
    // Hash256Of32 of `in` and, in the same pass, Hash128Of32 of each of the four 32-byte inputs one
    // after another in `in4`, their digests one after another in `digests4`. It costs not much more
    // than the first alone: that one waits on its own results from step to step, and the four others
    // run meanwhile on the vector units. `digest` may be `in`; `in4` and `digests4` overlap nothing.
    static void Hash256Of32WithHash128Of32x4(const std::uint8_t* in, std::uint8_t* digest, const std::uint8_t* in4,
                                             std::uint8_t* digests4) noexcept;
    // Replaces the 32-byte key by its RIPEMD-256 digest, count times in a row.
    static void HashChain256(std::uint8_t* key, std::uint32_t count) noexcept;

private:
    void CompressBlocks(const std::uint8_t* data, std::size_t blocks) noexcept;
    void Wipe() noexcept;

    std::uint32_t m_state[10];
    std::uint8_t m_buffer[64];
    std::uint64_t m_length = 0;
    std::size_t m_buffered = 0;
    RipemdVariant m_variant;
};

} // namespace vaultlet
