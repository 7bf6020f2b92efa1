#include "core/crypto/Ripemd.h"

#include "core/SecureWipe.h"
#include "core/crypto/ByteOrder.h"
#include "core/crypto/HashBlocks.h"
#include "core/crypto/InlineWipe.h"

#include <bit>
#include <cstring>
#include <utility>

namespace vaultlet {

namespace {

// The compression functions are written as one template per step, expanded over all steps at compile
// time, so every message index, rotation and constant is an immediate and the two lines run
// interleaved (they are independent until the end of the block, which gives the processor two
// dependency chains to overlap).

// Message word selection and rotation amounts per step, left and right line, as published.
constexpr std::uint8_t kLeftWord[80] = {0, 1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15, //
                                        7, 4,  13, 1,  10, 6,  15, 3,  12, 0, 9,  5,  2,  14, 11, 8,  //
                                        3, 10, 14, 4,  9,  15, 8,  1,  2,  7, 0,  6,  13, 11, 5,  12, //
                                        1, 9,  11, 10, 0,  8,  12, 4,  13, 3, 7,  15, 14, 5,  6,  2,  //
                                        4, 0,  5,  9,  7,  12, 2,  10, 14, 1, 3,  8,  11, 6,  15, 13};
constexpr std::uint8_t kRightWord[80] = {5,  14, 7,  0, 9, 2,  11, 4,  13, 6,  15, 8,  1,  10, 3,  12, //
                                         6,  11, 3,  7, 0, 13, 5,  10, 14, 15, 8,  12, 4,  9,  1,  2,  //
                                         15, 5,  1,  3, 7, 14, 6,  9,  11, 8,  12, 2,  10, 0,  4,  13, //
                                         8,  6,  4,  1, 3, 11, 15, 0,  5,  12, 2,  13, 9,  7,  10, 14, //
                                         12, 15, 10, 4, 1, 5,  8,  7,  6,  2,  13, 14, 0,  3,  9,  11};
constexpr std::uint8_t kLeftShift[80] = {11, 14, 15, 12, 5,  8,  7,  9,  11, 13, 14, 15, 6,  7,  9,  8,  //
                                         7,  6,  8,  13, 11, 9,  7,  15, 7,  12, 15, 9,  11, 7,  13, 12, //
                                         11, 13, 6,  7,  14, 9,  13, 15, 14, 8,  13, 6,  5,  12, 7,  5,  //
                                         11, 12, 14, 15, 14, 15, 9,  8,  9,  14, 5,  6,  8,  6,  5,  12, //
                                         9,  15, 5,  11, 6,  8,  13, 12, 5,  12, 13, 14, 11, 8,  5,  6};
constexpr std::uint8_t kRightShift[80] = {8,  9,  9,  11, 13, 15, 15, 5,  7,  7,  8,  11, 14, 14, 12, 6,  //
                                          9,  13, 15, 7,  12, 8,  9,  11, 7,  7,  12, 7,  6,  15, 13, 11, //
                                          9,  7,  15, 11, 8,  6,  6,  14, 12, 13, 5,  14, 13, 13, 7,  5,  //
                                          15, 5,  8,  11, 14, 14, 6,  14, 6,  9,  12, 9,  12, 5,  15, 8,  //
                                          8,  5,  12, 9,  12, 5,  14, 6,  8,  13, 6,  5,  15, 13, 11, 11};

// Additive constants per round: integer parts of 2^30 times square roots (left) and cube roots
// (right) of small primes.
constexpr std::uint32_t kLeftConstant[5] = {0x00000000, 0x5A827999, 0x6ED9EBA1, 0x8F1BBCDC, 0xA953FD4E};
constexpr std::uint32_t kRightConstant5[5] = {0x50A28BE6, 0x5C4DD124, 0x6D703EF3, 0x7A6D76E9, 0x00000000};
constexpr std::uint32_t kRightConstant4[4] = {0x50A28BE6, 0x5C4DD124, 0x6D703EF3, 0x00000000};

constexpr std::uint32_t kInitial[10] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0,
                                        0x76543210, 0xFEDCBA98, 0x89ABCDEF, 0x01234567, 0x3C2D1E0F};

// Four 32-bit words side by side in one vector register: the lines of the four-word widths are written
// once for a plain word W = std::uint32_t, and with W = Words4 they hash four messages at once (a key
// search tests four candidates a time).
using Words4 = std::uint32_t __attribute__((vector_size(16)));

template <typename W>
[[gnu::always_inline]] inline W Splat(std::uint32_t value) {
    return W{} + value;
}

template <int S, typename W>
[[gnu::always_inline]] inline W Rotl(W x) {
    return (x << S) | (x >> (32 - S));
}

// The five boolean functions, f(x, y, z) = Early(y, z) + Late(x, y, z). In every step x is the word
// the previous step produced, so only Late lies on the chain from step to step: f4 = (x & z) | (y & ~z)
// is split into its two disjoint halves (OR equals ADD there), the others are grouped so x enters last.
template <int N, typename W>
[[gnu::always_inline]] inline W Early(W y, W z) {
    if constexpr (N == 3) {
        return y & ~z;
    } else {
        return W{};
    }
}

template <int N, typename W>
[[gnu::always_inline]] inline W Late(W x, W y, W z) {
    if constexpr (N == 0) {
        return x ^ (y ^ z);
    } else if constexpr (N == 1) {
        return z ^ (x & (y ^ z));
    } else if constexpr (N == 2) {
        return (x | ~y) ^ z;
    } else if constexpr (N == 3) {
        return x & z;
    } else {
        return x ^ (y | ~z);
    }
}

// a + f(b, c, d) + word + constant, with the terms that do not wait for b added first.
template <int N, typename W>
[[gnu::always_inline]] inline W Sum(W a, W b, W c, W d, W word, std::uint32_t constant) {
    return (a + word + constant + Early<N>(c, d)) + Late<N>(b, c, d);
}

// Lines of four words (RIPEMD-128/256). Step i updates the word in slot (-i mod 4); the reference
// names the slots A, B, C, D, and the 256-bit variant exchanges slot r between the lines after
// round r.
template <std::size_t I, bool Exchange, typename W>
[[gnu::always_inline]] inline void Step4(W (&l)[4], W (&r)[4], const W* x) {
    constexpr int round = I / 16;
    constexpr std::size_t a = (4 - I % 4) % 4, b = (a + 1) % 4, c = (a + 2) % 4, d = (a + 3) % 4;
    l[a] = Rotl<kLeftShift[I]>(Sum<round>(l[a], l[b], l[c], l[d], x[kLeftWord[I]], kLeftConstant[round]));
    r[a] = Rotl<kRightShift[I]>(Sum<3 - round>(r[a], r[b], r[c], r[d], x[kRightWord[I]], kRightConstant4[round]));
    if constexpr (Exchange && I % 16 == 15) {
        std::swap(l[round], r[round]);
    }
}

template <bool Exchange, typename W, std::size_t... I>
[[gnu::always_inline]] inline void Steps4(W (&l)[4], W (&r)[4], const W* x, std::index_sequence<I...>) {
    (Step4<I, Exchange>(l, r, x), ...);
}

// Lines of five words (RIPEMD-160/320). Step i updates slot (-i mod 5); the 320-bit variant
// exchanges slot r between the lines after round r, as the 256-bit one does.
template <std::size_t I, bool Exchange>
[[gnu::always_inline]] inline void Step5(std::uint32_t (&l)[5], std::uint32_t (&r)[5], const std::uint32_t* x) {
    constexpr int round = I / 16;
    constexpr std::size_t a = (5 - I % 5) % 5, b = (a + 1) % 5, c = (a + 2) % 5, d = (a + 3) % 5, e = (a + 4) % 5;
    l[a] = std::rotl(Sum<round>(l[a], l[b], l[c], l[d], x[kLeftWord[I]], kLeftConstant[round]), kLeftShift[I]) + l[e];
    l[c] = std::rotl(l[c], 10);
    r[a] = std::rotl(Sum<4 - round>(r[a], r[b], r[c], r[d], x[kRightWord[I]], kRightConstant5[round]), kRightShift[I]) +
           r[e];
    r[c] = std::rotl(r[c], 10);
    if constexpr (Exchange && I % 16 == 15) {
        std::swap(l[round], r[round]);
    }
}

template <bool Exchange, std::size_t... I>
[[gnu::always_inline]] inline void Steps5(std::uint32_t (&l)[5], std::uint32_t (&r)[5], const std::uint32_t* x,
                                          std::index_sequence<I...>) {
    (Step5<I, Exchange>(l, r, x), ...);
}

template <typename W>
[[gnu::always_inline]] inline void Finish128(W* h, const W (&l)[4], const W (&r)[4]) {
    const W t = h[1] + l[2] + r[3];
    h[1] = h[2] + l[3] + r[0];
    h[2] = h[3] + l[0] + r[1];
    h[3] = h[0] + l[1] + r[2];
    h[0] = t;
}

template <typename W>
[[gnu::always_inline]] inline void Compress128(W* h, const W* x) {
    W l[4] = {h[0], h[1], h[2], h[3]};
    W r[4] = {h[0], h[1], h[2], h[3]};
    Steps4<false>(l, r, x, std::make_index_sequence<64>());
    Finish128(h, l, r);
}

[[gnu::always_inline]] inline void Finish256(std::uint32_t* h, const std::uint32_t (&l)[4],
                                             const std::uint32_t (&r)[4]) {
    for (int i = 0; i < 4; ++i) {
        h[i] += l[i];
        h[i + 4] += r[i];
    }
}

[[gnu::always_inline]] inline void Compress256(std::uint32_t* h, const std::uint32_t* x) {
    std::uint32_t l[4] = {h[0], h[1], h[2], h[3]};
    std::uint32_t r[4] = {h[4], h[5], h[6], h[7]};
    Steps4<true>(l, r, x, std::make_index_sequence<64>());
    Finish256(h, l, r);
}

// A RIPEMD-256 compression and four RIPEMD-128 ones in the same steps: the first waits on its own
// results from step to step, and the others, on the vector units, fill those gaps.
template <std::size_t... I>
[[gnu::always_inline]] inline void StepsSideBySide(std::uint32_t (&l)[4], std::uint32_t (&r)[4], const std::uint32_t* x,
                                                   Words4 (&lv)[4], Words4 (&rv)[4], const Words4* xv,
                                                   std::index_sequence<I...>) {
    ((Step4<I, true>(l, r, x), Step4<I, false>(lv, rv, xv)), ...);
}

[[gnu::always_inline]] inline void Compress256And128x4(std::uint32_t* h, const std::uint32_t* x, Words4* hv,
                                                       const Words4* xv) {
    std::uint32_t l[4] = {h[0], h[1], h[2], h[3]};
    std::uint32_t r[4] = {h[4], h[5], h[6], h[7]};
    Words4 lv[4] = {hv[0], hv[1], hv[2], hv[3]};
    Words4 rv[4] = {hv[0], hv[1], hv[2], hv[3]};
    StepsSideBySide(l, r, x, lv, rv, xv, std::make_index_sequence<64>());
    Finish256(h, l, r);
    Finish128(hv, lv, rv);
}

[[gnu::always_inline]] inline void Compress160(std::uint32_t* h, const std::uint32_t* x) {
    std::uint32_t l[5] = {h[0], h[1], h[2], h[3], h[4]};
    std::uint32_t r[5] = {h[0], h[1], h[2], h[3], h[4]};
    Steps5<false>(l, r, x, std::make_index_sequence<80>());
    const std::uint32_t t = h[1] + l[2] + r[3];
    h[1] = h[2] + l[3] + r[4];
    h[2] = h[3] + l[4] + r[0];
    h[3] = h[4] + l[0] + r[1];
    h[4] = h[0] + l[1] + r[2];
    h[0] = t;
}

[[gnu::always_inline]] inline void Compress320(std::uint32_t* h, const std::uint32_t* x) {
    std::uint32_t l[5] = {h[0], h[1], h[2], h[3], h[4]};
    std::uint32_t r[5] = {h[5], h[6], h[7], h[8], h[9]};
    Steps5<true>(l, r, x, std::make_index_sequence<80>());
    for (int i = 0; i < 5; ++i) {
        h[i] += l[i];
        h[i + 5] += r[i];
    }
}

template <void (*Compress)(std::uint32_t*, const std::uint32_t*)>
void CompressAll(std::uint32_t* h, const std::uint8_t* data, std::size_t blocks) {
    std::uint32_t x[16];
    for (; blocks != 0; --blocks, data += hashblocks::kBlockSize) {
        for (int i = 0; i < 16; ++i) {
            x[i] = bytes::LoadLe32(data + 4 * i);
        }
        Compress(h, x);
    }
    InlineWipe(x, sizeof x);
}

std::size_t StateWords(RipemdVariant variant) {
    return Ripemd::DigestSize(variant) / 4;
}

// The single padded block of a 32-byte message: the eight message words, the end marker, zeros and
// the length in bits.
template <typename W>
[[gnu::always_inline]] inline void PadOf32(W* x) {
    x[8] = Splat<W>(0x80);
    for (int i = 9; i < 16; ++i) {
        x[i] = W{};
    }
    x[14] = Splat<W>(256);
}

} // namespace

Ripemd::Ripemd(RipemdVariant variant) noexcept : m_variant(variant) {
    Start(variant);
}

Ripemd::~Ripemd() {
    Wipe();
}

void Ripemd::Wipe() noexcept {
    SecureWipe(m_state, sizeof m_state);
    SecureWipe(m_buffer, sizeof m_buffer);
    m_length = 0;
    m_buffered = 0;
}

void Ripemd::Start(RipemdVariant variant) noexcept {
    Wipe();
    m_variant = variant;
    // The doubled widths start their right line with the extra initial values.
    switch (variant) {
    case RipemdVariant::Ripemd128:
    case RipemdVariant::Ripemd160:
        std::memcpy(m_state, kInitial, StateWords(variant) * 4);
        break;
    case RipemdVariant::Ripemd256:
        std::memcpy(m_state, kInitial, 4 * 4);
        std::memcpy(m_state + 4, kInitial + 5, 4 * 4);
        break;
    case RipemdVariant::Ripemd320:
        std::memcpy(m_state, kInitial, 10 * 4);
        break;
    }
}

std::optional<RipemdVariant> Ripemd::ForDigestSize(std::size_t bytes) noexcept {
    for (RipemdVariant variant :
         {RipemdVariant::Ripemd128, RipemdVariant::Ripemd160, RipemdVariant::Ripemd256, RipemdVariant::Ripemd320}) {
        if (DigestSize(variant) == bytes) {
            return variant;
        }
    }
    return std::nullopt;
}

void Ripemd::CompressBlocks(const std::uint8_t* data, std::size_t blocks) noexcept {
    switch (m_variant) {
    case RipemdVariant::Ripemd128:
        CompressAll<Compress128<std::uint32_t>>(m_state, data, blocks);
        break;
    case RipemdVariant::Ripemd160:
        CompressAll<Compress160>(m_state, data, blocks);
        break;
    case RipemdVariant::Ripemd256:
        CompressAll<Compress256>(m_state, data, blocks);
        break;
    case RipemdVariant::Ripemd320:
        CompressAll<Compress320>(m_state, data, blocks);
        break;
    }
}

void Ripemd::Add(const std::uint8_t* data, std::size_t length) noexcept {
    m_length += length;
    hashblocks::Add(m_buffer, m_buffered, data, length,
                    [this](const std::uint8_t* blocks, std::size_t count) { CompressBlocks(blocks, count); });
}

void Ripemd::Finish(std::uint8_t* digest) noexcept {
    hashblocks::Pad(m_buffer, m_buffered, m_length,
                    [this](const std::uint8_t* blocks, std::size_t count) { CompressBlocks(blocks, count); });
    for (std::size_t i = 0; i < StateWords(m_variant); ++i) {
        bytes::StoreLe32(digest + 4 * i, m_state[i]);
    }
    Start(m_variant);
}

void Ripemd::Hash(RipemdVariant variant, const std::uint8_t* data, std::size_t length, std::uint8_t* digest) noexcept {
    Ripemd hash(variant);
    hash.Add(data, length);
    hash.Finish(digest);
}

void Ripemd::Hash256Of32(const std::uint8_t* in, std::uint8_t* digest) noexcept {
    std::uint32_t x[16];
    for (int i = 0; i < 8; ++i) {
        x[i] = bytes::LoadLe32(in + 4 * i);
    }
    PadOf32(x);
    std::uint32_t h[8] = {kInitial[0], kInitial[1], kInitial[2], kInitial[3],
                          kInitial[5], kInitial[6], kInitial[7], kInitial[8]};
    Compress256(h, x);
    for (int i = 0; i < 8; ++i) {
        bytes::StoreLe32(digest + 4 * i, h[i]);
    }
    InlineWipe(x, sizeof x);
    InlineWipe(h, sizeof h);
}

void Ripemd::Hash128Of32(const std::uint8_t* in, std::uint8_t* digest) noexcept {
    std::uint32_t x[16];
    for (int i = 0; i < 8; ++i) {
        x[i] = bytes::LoadLe32(in + 4 * i);
    }
    PadOf32(x);
    std::uint32_t h[4] = {kInitial[0], kInitial[1], kInitial[2], kInitial[3]};
    Compress128(h, x);
    for (int i = 0; i < 4; ++i) {
        bytes::StoreLe32(digest + 4 * i, h[i]);
    }
    InlineWipe(x, sizeof x);
    InlineWipe(h, sizeof h);
}

namespace {

// The message words of four 32-byte inputs, one input a lane.
[[gnu::always_inline]] inline void LoadLanes(const std::uint8_t* in, Words4* x) {
    for (int i = 0; i < 8; ++i) {
        for (int lane = 0; lane < 4; ++lane) {
            x[i][lane] = bytes::LoadLe32(in + 32 * lane + 4 * i);
        }
    }
    PadOf32(x);
}

[[gnu::always_inline]] inline void StoreLanes(const Words4* h, std::uint8_t* digests) {
    for (int i = 0; i < 4; ++i) {
        for (int lane = 0; lane < 4; ++lane) {
            bytes::StoreLe32(digests + 16 * lane + 4 * i, h[i][lane]);
        }
    }
}

[[gnu::always_inline]] inline void Initial128(Words4* h) {
    for (int i = 0; i < 4; ++i) {
        h[i] = Splat<Words4>(kInitial[i]);
    }
}

[[gnu::always_inline]] inline void Initial256(std::uint32_t* h) {
    std::memcpy(h, kInitial, 4 * 4);
    std::memcpy(h + 4, kInitial + 5, 4 * 4);
}

} // namespace

void Ripemd::Hash256Of32WithHash128Of32x4(const std::uint8_t* in, std::uint8_t* digest, const std::uint8_t* in4,
                                          std::uint8_t* digests4) noexcept {
    std::uint32_t x[16];
    std::uint32_t h[8];
    Words4 xv[16];
    Words4 hv[4];
    for (int i = 0; i < 8; ++i) {
        x[i] = bytes::LoadLe32(in + 4 * i);
    }
    PadOf32(x);
    Initial256(h);
    LoadLanes(in4, xv);
    Initial128(hv);
    Compress256And128x4(h, x, hv, xv);
    for (int i = 0; i < 8; ++i) {
        bytes::StoreLe32(digest + 4 * i, h[i]);
    }
    StoreLanes(hv, digests4);
    InlineWipe(x, sizeof x);
    InlineWipe(h, sizeof h);
    InlineWipe(xv, sizeof xv);
    InlineWipe(hv, sizeof hv);
}

void Ripemd::HashChain256(std::uint8_t* key, std::uint32_t count) noexcept {
    // The digest words of one round are the message words of the next, so the key stays in words
    // for the whole chain.
    std::uint32_t x[16];
    for (int i = 0; i < 8; ++i) {
        x[i] = bytes::LoadLe32(key + 4 * i);
    }
    PadOf32(x);
    std::uint32_t h[8];
    for (; count != 0; --count) {
        h[0] = kInitial[0], h[1] = kInitial[1], h[2] = kInitial[2], h[3] = kInitial[3];
        h[4] = kInitial[5], h[5] = kInitial[6], h[6] = kInitial[7], h[7] = kInitial[8];
        Compress256(h, x);
        std::memcpy(x, h, sizeof h);
    }
    for (int i = 0; i < 8; ++i) {
        bytes::StoreLe32(key + 4 * i, x[i]);
    }
    InlineWipe(x, sizeof x);
    InlineWipe(h, sizeof h);
}

} // namespace vaultlet
