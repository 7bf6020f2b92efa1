#include "core/crypto/Md5.h"

#include "core/SecureWipe.h"
#include "core/crypto/ByteOrder.h"
#include "core/crypto/HashBlocks.h"
#include "core/crypto/InlineWipe.h"

#include <bit>
#include <cstring>
#include <utility>

namespace vaultlet {

namespace {

// Integer parts of 2^32 * |sin(i + 1)|.
constexpr std::uint32_t kSine[64] = {
    0xD76AA478, 0xE8C7B756, 0x242070DB, 0xC1BDCEEE, 0xF57C0FAF, 0x4787C62A, 0xA8304613, 0xFD469501,
    0x698098D8, 0x8B44F7AF, 0xFFFF5BB1, 0x895CD7BE, 0x6B901122, 0xFD987193, 0xA679438E, 0x49B40821,
    0xF61E2562, 0xC040B340, 0x265E5A51, 0xE9B6C7AA, 0xD62F105D, 0x02441453, 0xD8A1E681, 0xE7D3FBC8,
    0x21E1CDE6, 0xC33707D6, 0xF4D50D87, 0x455A14ED, 0xA9E3E905, 0xFCEFA3F8, 0x676F02D9, 0x8D2A4C8A,
    0xFFFA3942, 0x8771F681, 0x6D9D6122, 0xFDE5380C, 0xA4BEEA44, 0x4BDECFA9, 0xF6BB4B60, 0xBEBFBC70,
    0x289B7EC6, 0xEAA127FA, 0xD4EF3085, 0x04881D05, 0xD9D4D039, 0xE6DB99E5, 0x1FA27CF8, 0xC4AC5665,
    0xF4292244, 0x432AFF97, 0xAB9423A7, 0xFC93A039, 0x655B59C3, 0x8F0CCC92, 0xFFEFF47D, 0x85845DD1,
    0x6FA87E4F, 0xFE2CE6E0, 0xA3014314, 0x4E0811A1, 0xF7537E82, 0xBD3AF235, 0x2AD7D2BB, 0xEB86D391};

constexpr int kShift[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

constexpr std::uint32_t kInitial[4] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476};

// Message word of step i: rounds take the words in the orders i, 5i + 1, 3i + 5 and 7i (mod 16).
constexpr std::size_t Word(std::size_t i) {
    switch (i / 16) {
    case 0:
        return i;
    case 1:
        return (5 * i + 1) % 16;
    case 2:
        return (3 * i + 5) % 16;
    default:
        return (7 * i) % 16;
    }
}

// The round functions, f(x, y, z) = Early(y, z) + Late(x, y, z). In every step x is the word the
// previous step produced, so only Late lies on the chain from step to step: G = (x & z) | (y & ~z) is
// split into its two disjoint halves (OR equals ADD there), the others are grouped so x enters last.
template <int Round>
[[gnu::always_inline]] inline std::uint32_t Early(std::uint32_t y, std::uint32_t z) {
    if constexpr (Round == 1) {
        return y & ~z;
    } else {
        return 0;
    }
}

template <int Round>
[[gnu::always_inline]] inline std::uint32_t Late(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    if constexpr (Round == 0) {
        return z ^ (x & (y ^ z));
    } else if constexpr (Round == 1) {
        return x & z;
    } else if constexpr (Round == 2) {
        return x ^ (y ^ z);
    } else {
        return y ^ (x | ~z);
    }
}

// Step i updates the word in slot (-i mod 4), the reference's a, d, c, b rotation.
template <std::size_t I>
[[gnu::always_inline]] inline void Step(std::uint32_t (&v)[4], const std::uint32_t* x) {
    constexpr int round = I / 16;
    constexpr std::size_t a = (4 - I % 4) % 4, b = (a + 1) % 4, c = (a + 2) % 4, d = (a + 3) % 4;
    const std::uint32_t early = v[a] + x[Word(I)] + kSine[I] + Early<round>(v[c], v[d]);
    v[a] = v[b] + std::rotl(early + Late<round>(v[b], v[c], v[d]), kShift[round][I % 4]);
}

template <std::size_t... I>
[[gnu::always_inline]] inline void Steps(std::uint32_t (&v)[4], const std::uint32_t* x, std::index_sequence<I...>) {
    (Step<I>(v, x), ...);
}

} // namespace

Md5::~Md5() {
    Wipe();
}

void Md5::Wipe() noexcept {
    SecureWipe(m_state, sizeof m_state);
    SecureWipe(m_buffer, sizeof m_buffer);
    m_length = 0;
    m_buffered = 0;
}

void Md5::Start() noexcept {
    Wipe();
    std::memcpy(m_state, kInitial, sizeof m_state);
}

void Md5::CompressBlocks(const std::uint8_t* data, std::size_t blocks) noexcept {
    std::uint32_t x[16];
    for (; blocks != 0; --blocks, data += kBlockSize) {
        for (int i = 0; i < 16; ++i) {
            x[i] = bytes::LoadLe32(data + 4 * i);
        }
        std::uint32_t v[4] = {m_state[0], m_state[1], m_state[2], m_state[3]};
        Steps(v, x, std::make_index_sequence<64>());
        for (int i = 0; i < 4; ++i) {
            m_state[i] += v[i];
        }
    }
    InlineWipe(x, sizeof x);
}

void Md5::Add(const std::uint8_t* data, std::size_t length) noexcept {
    m_length += length;
    hashblocks::Add(m_buffer, m_buffered, data, length,
                    [this](const std::uint8_t* blocks, std::size_t count) { CompressBlocks(blocks, count); });
}

void Md5::Finish(std::uint8_t* digest) noexcept {
    hashblocks::Pad(m_buffer, m_buffered, m_length,
                    [this](const std::uint8_t* blocks, std::size_t count) { CompressBlocks(blocks, count); });
    for (int i = 0; i < 4; ++i) {
        bytes::StoreLe32(digest + 4 * i, m_state[i]);
    }
    Start();
}

void Md5::Hash(const std::uint8_t* data, std::size_t length, std::uint8_t* digest) noexcept {
    Md5 hash;
    hash.Add(data, length);
    hash.Finish(digest);
}

} // namespace vaultlet
