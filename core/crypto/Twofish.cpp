#include "core/crypto/Twofish.h"

#include "core/SecureWipe.h"
#include "core/crypto/ByteOrder.h"
#include "core/crypto/TwofishTables.h"
#include "core/crypto/InlineWipe.h"

#include <bit>

namespace vaultlet {

namespace {

using bytes::Byte;
using twofish::kTables;

// The q permutation each key stage of h applies at byte positions 0 to 3; stage s XORs in key word
// L[s], and h runs the stages from the last key word down to L[0] before the final q and the MDS.
constexpr int kStageQ[4][4] = {{0, 0, 1, 1}, {0, 1, 0, 1}, {1, 1, 0, 0}, {1, 0, 0, 1}};

template <int K, int J>
[[gnu::always_inline]] inline std::uint32_t HByte(std::uint32_t y, const std::uint32_t* l) {
    if constexpr (K == 4) {
        y = kTables.q[kStageQ[3][J]][y] ^ Byte(l[3], J);
    }
    if constexpr (K >= 3) {
        y = kTables.q[kStageQ[2][J]][y] ^ Byte(l[2], J);
    }
    y = kTables.q[kStageQ[1][J]][y] ^ Byte(l[1], J);
    y = kTables.q[kStageQ[0][J]][y] ^ Byte(l[0], J);
    return kTables.mds[J][y];
}

// The h function of the paper for a key of K words: X through the key-dependent S-boxes and the MDS.
template <int K>
[[gnu::always_inline]] inline std::uint32_t H(std::uint32_t x, const std::uint32_t* l) {
    return HByte<K, 0>(Byte(x, 0), l) ^ HByte<K, 1>(Byte(x, 1), l) ^ HByte<K, 2>(Byte(x, 2), l) ^
           HByte<K, 3>(Byte(x, 3), l);
}

// g(X) = h(X, S) with the S-boxes precomputed.
struct FullG {
    const std::uint32_t (*sbox)[256];
    [[gnu::always_inline]] std::uint32_t operator()(std::uint32_t x) const {
        return sbox[0][Byte(x, 0)] ^ sbox[1][Byte(x, 1)] ^ sbox[2][Byte(x, 2)] ^ sbox[3][Byte(x, 3)];
    }
};

// g(X) = h(X, S) evaluated through the q permutations.
template <int K>
struct CompactG {
    const std::uint32_t* key;
    [[gnu::always_inline]] std::uint32_t operator()(std::uint32_t x) const { return H<K>(x, key); }
};

// N independent blocks in lockstep, so the lookups of one overlap the dependency chain of another.
template <int N, typename G>
[[gnu::always_inline]] inline void EncryptLanes(const std::uint32_t* k, G g, const std::uint8_t* in,
                                                std::uint8_t* out) {
    std::uint32_t a[N], b[N], c[N], d[N];
#pragma GCC unroll 4
    for (int n = 0; n < N; ++n) {
        a[n] = bytes::LoadLe32(in + 16 * n) ^ k[0];
        b[n] = bytes::LoadLe32(in + 16 * n + 4) ^ k[1];
        c[n] = bytes::LoadLe32(in + 16 * n + 8) ^ k[2];
        d[n] = bytes::LoadLe32(in + 16 * n + 12) ^ k[3];
    }
    // Two rounds per pass, so the halves swap roles instead of places.
    for (int r = 0; r < 16; r += 2) {
#pragma GCC unroll 4
        for (int n = 0; n < N; ++n) {
            const std::uint32_t t0 = g(a[n]);
            const std::uint32_t t1 = g(std::rotl(b[n], 8));
            c[n] = std::rotr(c[n] ^ (t0 + t1 + k[2 * r + 8]), 1);
            d[n] = std::rotl(d[n], 1) ^ (t0 + 2 * t1 + k[2 * r + 9]);
        }
#pragma GCC unroll 4
        for (int n = 0; n < N; ++n) {
            const std::uint32_t t0 = g(c[n]);
            const std::uint32_t t1 = g(std::rotl(d[n], 8));
            a[n] = std::rotr(a[n] ^ (t0 + t1 + k[2 * r + 10]), 1);
            b[n] = std::rotl(b[n], 1) ^ (t0 + 2 * t1 + k[2 * r + 11]);
        }
    }
#pragma GCC unroll 4
    for (int n = 0; n < N; ++n) {
        bytes::StoreLe32(out + 16 * n, c[n] ^ k[4]);
        bytes::StoreLe32(out + 16 * n + 4, d[n] ^ k[5]);
        bytes::StoreLe32(out + 16 * n + 8, a[n] ^ k[6]);
        bytes::StoreLe32(out + 16 * n + 12, b[n] ^ k[7]);
    }
}

template <int N, typename G>
[[gnu::always_inline]] inline void DecryptLanes(const std::uint32_t* k, G g, const std::uint8_t* in,
                                                std::uint8_t* out) {
    std::uint32_t a[N], b[N], c[N], d[N];
#pragma GCC unroll 4
    for (int n = 0; n < N; ++n) {
        c[n] = bytes::LoadLe32(in + 16 * n) ^ k[4];
        d[n] = bytes::LoadLe32(in + 16 * n + 4) ^ k[5];
        a[n] = bytes::LoadLe32(in + 16 * n + 8) ^ k[6];
        b[n] = bytes::LoadLe32(in + 16 * n + 12) ^ k[7];
    }
    for (int r = 14; r >= 0; r -= 2) {
#pragma GCC unroll 4
        for (int n = 0; n < N; ++n) {
            const std::uint32_t t0 = g(c[n]);
            const std::uint32_t t1 = g(std::rotl(d[n], 8));
            a[n] = std::rotl(a[n], 1) ^ (t0 + t1 + k[2 * r + 10]);
            b[n] = std::rotr(b[n] ^ (t0 + 2 * t1 + k[2 * r + 11]), 1);
        }
#pragma GCC unroll 4
        for (int n = 0; n < N; ++n) {
            const std::uint32_t t0 = g(a[n]);
            const std::uint32_t t1 = g(std::rotl(b[n], 8));
            c[n] = std::rotl(c[n], 1) ^ (t0 + t1 + k[2 * r + 8]);
            d[n] = std::rotr(d[n] ^ (t0 + 2 * t1 + k[2 * r + 9]), 1);
        }
    }
#pragma GCC unroll 4
    for (int n = 0; n < N; ++n) {
        bytes::StoreLe32(out + 16 * n, a[n] ^ k[0]);
        bytes::StoreLe32(out + 16 * n + 4, b[n] ^ k[1]);
        bytes::StoreLe32(out + 16 * n + 8, c[n] ^ k[2]);
        bytes::StoreLe32(out + 16 * n + 12, d[n] ^ k[3]);
    }
}

// One block under two keys in lockstep; the same rounds as EncryptLanes.
template <typename G>
void EncryptUnderTwoKeys(const std::uint32_t* const (&k)[2], const G (&g)[2], const std::uint8_t* in,
                         std::uint8_t* const (&out)[2]) {
    std::uint32_t a[2], b[2], c[2], d[2];
    for (int n = 0; n < 2; ++n) {
        a[n] = bytes::LoadLe32(in) ^ k[n][0];
        b[n] = bytes::LoadLe32(in + 4) ^ k[n][1];
        c[n] = bytes::LoadLe32(in + 8) ^ k[n][2];
        d[n] = bytes::LoadLe32(in + 12) ^ k[n][3];
    }
    for (int r = 0; r < 16; r += 2) {
#pragma GCC unroll 2
        for (int n = 0; n < 2; ++n) {
            const std::uint32_t t0 = g[n](a[n]);
            const std::uint32_t t1 = g[n](std::rotl(b[n], 8));
            c[n] = std::rotr(c[n] ^ (t0 + t1 + k[n][2 * r + 8]), 1);
            d[n] = std::rotl(d[n], 1) ^ (t0 + 2 * t1 + k[n][2 * r + 9]);
        }
#pragma GCC unroll 2
        for (int n = 0; n < 2; ++n) {
            const std::uint32_t t0 = g[n](c[n]);
            const std::uint32_t t1 = g[n](std::rotl(d[n], 8));
            a[n] = std::rotr(a[n] ^ (t0 + t1 + k[n][2 * r + 10]), 1);
            b[n] = std::rotl(b[n], 1) ^ (t0 + 2 * t1 + k[n][2 * r + 11]);
        }
    }
    for (int n = 0; n < 2; ++n) {
        bytes::StoreLe32(out[n], c[n] ^ k[n][4]);
        bytes::StoreLe32(out[n] + 4, d[n] ^ k[n][5]);
        bytes::StoreLe32(out[n] + 8, a[n] ^ k[n][6]);
        bytes::StoreLe32(out[n] + 12, b[n] ^ k[n][7]);
    }
}

template <bool Encrypting, int N, typename G>
[[gnu::always_inline]] inline void Lanes(const std::uint32_t* k, G g, const std::uint8_t* in, std::uint8_t* out) {
    if constexpr (Encrypting) {
        EncryptLanes<N>(k, g, in, out);
    } else {
        DecryptLanes<N>(k, g, in, out);
    }
}

constexpr std::size_t kLanes = 3;

template <bool Encrypting, typename G>
void Blocks(const std::uint32_t* k, G g, const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) {
    constexpr std::size_t step = kLanes * Twofish::kBlockSize;
    for (; blocks >= kLanes; blocks -= kLanes, in += step, out += step) {
        Lanes<Encrypting, kLanes>(k, g, in, out);
    }
    for (; blocks != 0; --blocks, in += Twofish::kBlockSize, out += Twofish::kBlockSize) {
        Lanes<Encrypting, 1>(k, g, in, out);
    }
}

// The key schedule: 40 round subkeys from the even and odd key words through h, and the S-box key
// words from the Reed-Solomon code of each 8 key bytes.
std::uint32_t ReedSolomon(const std::uint8_t* m) {
    std::uint32_t word = 0;
    for (int c = 0; c < 8; ++c) {
        word ^= kTables.rs[c][m[c]];
    }
    return word;
}

template <int K>
void MakeSubkeys(const std::uint8_t* key, std::uint32_t* subkeys) {
    std::uint32_t even[K];
    std::uint32_t odd[K];
    for (int i = 0; i < K; ++i) {
        even[i] = bytes::LoadLe32(key + 8 * i);
        odd[i] = bytes::LoadLe32(key + 8 * i + 4);
    }
    constexpr std::uint32_t rho = 0x01010101;
    for (std::uint32_t i = 0; i < 20; ++i) {
        const std::uint32_t a = H<K>(2 * i * rho, even);
        const std::uint32_t b = std::rotl(H<K>((2 * i + 1) * rho, odd), 8);
        subkeys[2 * i] = a + b;
        subkeys[2 * i + 1] = std::rotl(a + 2 * b, 9);
    }
    InlineWipe(even, sizeof even);
    InlineWipe(odd, sizeof odd);
}

template <int K, int J>
void FillSbox(const std::uint32_t* l, std::uint32_t* sbox) {
    for (std::uint32_t x = 0; x < 256; ++x) {
        sbox[x] = HByte<K, J>(x, l);
    }
}

template <int K>
void MakeSboxes(const std::uint32_t* l, std::uint32_t (*sbox)[256]) {
    FillSbox<K, 0>(l, sbox[0]);
    FillSbox<K, 1>(l, sbox[1]);
    FillSbox<K, 2>(l, sbox[2]);
    FillSbox<K, 3>(l, sbox[3]);
}

template <bool Encrypting>
void Run(const std::uint32_t* subkeys, const std::uint32_t* sboxKey, const std::uint32_t (*sbox)[256], int keyWords,
         Twofish::Keying keying, const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) {
    if (keying == Twofish::Keying::Full) {
        Blocks<Encrypting>(subkeys, FullG{sbox}, in, out, blocks);
        return;
    }
    switch (keyWords) {
    case 2:
        Blocks<Encrypting>(subkeys, CompactG<2>{sboxKey}, in, out, blocks);
        break;
    case 3:
        Blocks<Encrypting>(subkeys, CompactG<3>{sboxKey}, in, out, blocks);
        break;
    default:
        Blocks<Encrypting>(subkeys, CompactG<4>{sboxKey}, in, out, blocks);
        break;
    }
}

template <int K>
void EncryptCompactPair(const std::uint32_t* const (&subkeys)[2], const std::uint32_t* const (&sboxKeys)[2],
                        const std::uint8_t* in, std::uint8_t* const (&out)[2]) {
    const CompactG<K> g[2] = {{sboxKeys[0]}, {sboxKeys[1]}};
    EncryptUnderTwoKeys(subkeys, g, in, out);
}

} // namespace

Twofish::~Twofish() {
    Wipe();
}

void Twofish::Wipe() noexcept {
    InlineWipe(m_subkeys, sizeof m_subkeys);
    InlineWipe(m_sboxKey, sizeof m_sboxKey);
    if (m_keyWords != 0 && m_keying == Keying::Full) {
        SecureWipe(m_sbox, sizeof m_sbox);
    }
    m_keyWords = 0;
}

bool Twofish::SetKey(const std::uint8_t* key, std::size_t length, Keying keying) noexcept {
    if (length != 16 && length != 24 && length != 32) {
        return false;
    }
    Wipe();
    m_keyWords = static_cast<int>(length / 8);
    m_keying = keying;
    for (int i = 0; i < m_keyWords; ++i) {
        m_sboxKey[m_keyWords - 1 - i] = ReedSolomon(key + 8 * i);
    }
    switch (m_keyWords) {
    case 2:
        MakeSubkeys<2>(key, m_subkeys);
        if (keying == Keying::Full) {
            MakeSboxes<2>(m_sboxKey, m_sbox);
        }
        break;
    case 3:
        MakeSubkeys<3>(key, m_subkeys);
        if (keying == Keying::Full) {
            MakeSboxes<3>(m_sboxKey, m_sbox);
        }
        break;
    default:
        MakeSubkeys<4>(key, m_subkeys);
        if (keying == Keying::Full) {
            MakeSboxes<4>(m_sboxKey, m_sbox);
        }
        break;
    }
    return true;
}

void Twofish::EncryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) const noexcept {
    Run<true>(m_subkeys, m_sboxKey, m_sbox, m_keyWords, m_keying, in, out, blocks);
}

void Twofish::DecryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) const noexcept {
    Run<false>(m_subkeys, m_sboxKey, m_sbox, m_keyWords, m_keying, in, out, blocks);
}

bool Twofish::EncryptBlockPair(const Twofish& first, const Twofish& second, const std::uint8_t* in,
                               std::uint8_t* firstOut, std::uint8_t* secondOut) noexcept {
    if (first.m_keyWords == 0 || first.m_keyWords != second.m_keyWords || first.m_keying != second.m_keying) {
        return false;
    }
    const std::uint32_t* const subkeys[2] = {first.m_subkeys, second.m_subkeys};
    std::uint8_t* const out[2] = {firstOut, secondOut};
    if (first.m_keying == Keying::Full) {
        const FullG g[2] = {{first.m_sbox}, {second.m_sbox}};
        EncryptUnderTwoKeys(subkeys, g, in, out);
        return true;
    }
    const std::uint32_t* const sboxKeys[2] = {first.m_sboxKey, second.m_sboxKey};
    switch (first.m_keyWords) {
    case 2:
        EncryptCompactPair<2>(subkeys, sboxKeys, in, out);
        break;
    case 3:
        EncryptCompactPair<3>(subkeys, sboxKeys, in, out);
        break;
    default:
        EncryptCompactPair<4>(subkeys, sboxKeys, in, out);
        break;
    }
    return true;
}

} // namespace vaultlet
