#include "core/crypto/AesNi.h"

#if defined(__x86_64__) || defined(__i386__)

#include <cpuid.h>
#include <immintrin.h>

namespace vaultlet {

// The functions carry their own target attribute instead of a build flag, so the rest of the program
// still runs on processors without the AES instructions; Available() decides at run time. Long runs
// use the 256-bit forms (two blocks per instruction) where the processor and system support them.
#define VAULTLET_AESNI [[gnu::target("aes,sse4.1")]]
#define VAULTLET_VAES [[gnu::target("aes,sse4.1,avx2,vaes")]]

namespace {

bool DetectAesNi() noexcept {
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) {
        return false;
    }
    return (ecx & bit_AES) != 0 && (ecx & bit_SSE4_1) != 0 && (edx & bit_SSE2) != 0;
}

// The 256-bit AES instructions need AVX2, VAES, and an operating system that saves the YMM registers.
bool DetectVaes() noexcept {
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!DetectAesNi() || __get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0 || (ecx & bit_OSXSAVE) == 0) {
        return false;
    }
    unsigned int low = 0, high = 0;
    __asm__("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
    if ((low & 0x6) != 0x6) {
        return false;
    }
    if (__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) == 0) {
        return false;
    }
    return (ebx & bit_AVX2) != 0 && (ecx & bit_VAES) != 0;
}

bool VaesAvailable() noexcept {
    static const bool available = DetectVaes();
    return available;
}

VAULTLET_AESNI inline __m128i Key(const std::uint32_t* keys, int round) {
    return _mm_load_si128(reinterpret_cast<const __m128i*>(keys + 4 * round));
}

VAULTLET_AESNI inline __m128i Load(const std::uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

VAULTLET_AESNI inline void Store(std::uint8_t* p, __m128i value) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), value);
}

// Eight blocks in flight hide the latency of the round instruction; the tail goes one at a time.
constexpr int kLanes = 8;

template <bool Encrypting>
VAULTLET_AESNI inline __m128i Round(__m128i block, __m128i key) {
    return Encrypting ? _mm_aesenc_si128(block, key) : _mm_aesdec_si128(block, key);
}

template <bool Encrypting>
VAULTLET_AESNI inline __m128i LastRound(__m128i block, __m128i key) {
    return Encrypting ? _mm_aesenclast_si128(block, key) : _mm_aesdeclast_si128(block, key);
}

template <bool Encrypting, int Rounds>
VAULTLET_AESNI inline void Lanes(const std::uint32_t* keys, const std::uint8_t* in, std::uint8_t* out) {
    __m128i b[kLanes];
    const __m128i first = Key(keys, 0);
#pragma GCC unroll 8
    for (int i = 0; i < kLanes; ++i) {
        b[i] = _mm_xor_si128(Load(in + 16 * i), first);
    }
#pragma GCC unroll 14
    for (int round = 1; round < Rounds; ++round) {
        const __m128i k = Key(keys, round);
#pragma GCC unroll 8
        for (int i = 0; i < kLanes; ++i) {
            b[i] = Round<Encrypting>(b[i], k);
        }
    }
    const __m128i last = Key(keys, Rounds);
#pragma GCC unroll 8
    for (int i = 0; i < kLanes; ++i) {
        Store(out + 16 * i, LastRound<Encrypting>(b[i], last));
    }
}

template <bool Encrypting, int Rounds>
VAULTLET_AESNI inline void Single(const std::uint32_t* keys, const std::uint8_t* in, std::uint8_t* out) {
    __m128i b = _mm_xor_si128(Load(in), Key(keys, 0));
#pragma GCC unroll 14
    for (int round = 1; round < Rounds; ++round) {
        b = Round<Encrypting>(b, Key(keys, round));
    }
    Store(out, LastRound<Encrypting>(b, Key(keys, Rounds)));
}

// Eight 256-bit lanes: sixteen blocks per pass.
template <bool Encrypting, int Rounds>
VAULTLET_VAES void WideLanes(const std::uint32_t* keys, const std::uint8_t* in, std::uint8_t* out, std::size_t passes) {
    for (; passes != 0; --passes, in += 32 * kLanes, out += 32 * kLanes) {
        __m256i b[kLanes];
        const __m256i first = _mm256_broadcastsi128_si256(Key(keys, 0));
#pragma GCC unroll 8
        for (int i = 0; i < kLanes; ++i) {
            b[i] = _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + 32 * i)), first);
        }
#pragma GCC unroll 14
        for (int round = 1; round < Rounds; ++round) {
            const __m256i k = _mm256_broadcastsi128_si256(Key(keys, round));
#pragma GCC unroll 8
            for (int i = 0; i < kLanes; ++i) {
                b[i] = Encrypting ? _mm256_aesenc_epi128(b[i], k) : _mm256_aesdec_epi128(b[i], k);
            }
        }
        const __m256i last = _mm256_broadcastsi128_si256(Key(keys, Rounds));
#pragma GCC unroll 8
        for (int i = 0; i < kLanes; ++i) {
            const __m256i result =
                Encrypting ? _mm256_aesenclast_epi128(b[i], last) : _mm256_aesdeclast_epi128(b[i], last);
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 32 * i), result);
        }
    }
    // Leave no upper register halves dirty for SSE code that follows.
    _mm256_zeroupper();
}

template <bool Encrypting, int Rounds>
VAULTLET_AESNI void Blocks(const std::uint32_t* keys, const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) {
    constexpr std::size_t wideBlocks = 2 * kLanes;
    if (blocks >= wideBlocks && VaesAvailable()) {
        const std::size_t passes = blocks / wideBlocks;
        WideLanes<Encrypting, Rounds>(keys, in, out, passes);
        in += 16 * wideBlocks * passes;
        out += 16 * wideBlocks * passes;
        blocks -= wideBlocks * passes;
    }
    for (; blocks >= kLanes; blocks -= kLanes, in += 16 * kLanes, out += 16 * kLanes) {
        Lanes<Encrypting, Rounds>(keys, in, out);
    }
    for (; blocks != 0; --blocks, in += 16, out += 16) {
        Single<Encrypting, Rounds>(keys, in, out);
    }
}

template <bool Encrypting>
void Blocks(const std::uint32_t* keys, int rounds, const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) {
    switch (rounds) {
    case 10:
        Blocks<Encrypting, 10>(keys, in, out, blocks);
        break;
    case 12:
        Blocks<Encrypting, 12>(keys, in, out, blocks);
        break;
    default:
        Blocks<Encrypting, 14>(keys, in, out, blocks);
        break;
    }
}

// Key expansion. Spread turns the words (w0, w1, w2, w3) into (w0, w0^w1, w0^w1^w2, w0^w1^w2^w3), the
// running XOR each schedule word gets from its predecessors in the same round key. SubWord of the
// previous key's last word comes from the last encryption round applied to that word copied into all
// four columns (ShiftRows then has no effect), with the round constant as its round key; the copy
// takes RotWord along where the schedule needs it.
VAULTLET_AESNI inline __m128i Spread(__m128i x) {
    x = _mm_xor_si128(x, _mm_slli_si128(x, 4));
    return _mm_xor_si128(x, _mm_slli_si128(x, 8));
}

VAULTLET_AESNI inline __m128i RotatedLastWord(__m128i x) {
    // Bytes 13, 14, 15, 12 (RotWord of the last word) into every column.
    return _mm_shuffle_epi8(x, _mm_set_epi8(12, 15, 14, 13, 12, 15, 14, 13, 12, 15, 14, 13, 12, 15, 14, 13));
}

template <int Rcon>
VAULTLET_AESNI inline __m128i WithRotation(__m128i twoBack, __m128i previous) {
    const __m128i sub = _mm_aesenclast_si128(RotatedLastWord(previous), _mm_set1_epi32(Rcon));
    return _mm_xor_si128(Spread(twoBack), sub);
}

VAULTLET_AESNI inline __m128i WithoutRotation(__m128i twoBack, __m128i previous) {
    const __m128i sub = _mm_aesenclast_si128(_mm_shuffle_epi32(previous, 0xFF), _mm_setzero_si128());
    return _mm_xor_si128(Spread(twoBack), sub);
}

template <int Rcon>
VAULTLET_AESNI inline __m128i Next128(__m128i previous) {
    return WithRotation<Rcon>(previous, previous);
}

VAULTLET_AESNI void Expand128(const std::uint8_t* key, __m128i* k) {
    k[0] = Load(key);
    k[1] = Next128<0x01>(k[0]);
    k[2] = Next128<0x02>(k[1]);
    k[3] = Next128<0x04>(k[2]);
    k[4] = Next128<0x08>(k[3]);
    k[5] = Next128<0x10>(k[4]);
    k[6] = Next128<0x20>(k[5]);
    k[7] = Next128<0x40>(k[6]);
    k[8] = Next128<0x80>(k[7]);
    k[9] = Next128<0x1B>(k[8]);
    k[10] = Next128<0x36>(k[9]);
}

VAULTLET_AESNI void Expand256(const std::uint8_t* key, __m128i* k) {
    k[0] = Load(key);
    k[1] = Load(key + 16);
    k[2] = WithRotation<0x01>(k[0], k[1]);
    k[3] = WithoutRotation(k[1], k[2]);
    k[4] = WithRotation<0x02>(k[2], k[3]);
    k[5] = WithoutRotation(k[3], k[4]);
    k[6] = WithRotation<0x04>(k[4], k[5]);
    k[7] = WithoutRotation(k[5], k[6]);
    k[8] = WithRotation<0x08>(k[6], k[7]);
    k[9] = WithoutRotation(k[7], k[8]);
    k[10] = WithRotation<0x10>(k[8], k[9]);
    k[11] = WithoutRotation(k[9], k[10]);
    k[12] = WithRotation<0x20>(k[10], k[11]);
    k[13] = WithoutRotation(k[11], k[12]);
    k[14] = WithRotation<0x40>(k[12], k[13]);
}

// Encryption of one block under several fresh keys, each key's schedule made round by round beside
// its rounds; the lanes are independent, so their instructions overlap. A 128-bit key's round key r is
// made from round key r - 1, a 256-bit key's from the two before it.
template <int Lanes>
struct KeyLanes {
    __m128i older[Lanes];
    __m128i newer[Lanes];
    __m128i block[Lanes];
};

template <int Lanes>
VAULTLET_AESNI inline void StartLanes(KeyLanes<Lanes>& k, const std::uint8_t* keys, std::size_t keyLength,
                                      const std::uint8_t* in) {
    const __m128i plain = Load(in);
#pragma GCC unroll 4
    for (int i = 0; i < Lanes; ++i) {
        k.newer[i] = Load(keys + keyLength * i);
        k.block[i] = _mm_xor_si128(plain, k.newer[i]);
    }
}

template <int Lanes, int Rcon, bool Last>
VAULTLET_AESNI inline void Round128(KeyLanes<Lanes>& k) {
#pragma GCC unroll 4
    for (int i = 0; i < Lanes; ++i) {
        k.newer[i] = Next128<Rcon>(k.newer[i]);
        k.block[i] = Last ? _mm_aesenclast_si128(k.block[i], k.newer[i]) : _mm_aesenc_si128(k.block[i], k.newer[i]);
    }
}

// Rounds 2r and 2r + 1 of a 256-bit key: one round key with the rotation, one without.
template <int Lanes, int Rcon, bool Last>
VAULTLET_AESNI inline void RoundPair256(KeyLanes<Lanes>& k) {
#pragma GCC unroll 4
    for (int i = 0; i < Lanes; ++i) {
        k.older[i] = WithRotation<Rcon>(k.older[i], k.newer[i]);
        k.block[i] = Last ? _mm_aesenclast_si128(k.block[i], k.older[i]) : _mm_aesenc_si128(k.block[i], k.older[i]);
        if (!Last) {
            k.newer[i] = WithoutRotation(k.newer[i], k.older[i]);
            k.block[i] = _mm_aesenc_si128(k.block[i], k.newer[i]);
        }
    }
}

template <int Lanes>
VAULTLET_AESNI void EncryptUnder128(KeyLanes<Lanes>& k) {
    Round128<Lanes, 0x01, false>(k);
    Round128<Lanes, 0x02, false>(k);
    Round128<Lanes, 0x04, false>(k);
    Round128<Lanes, 0x08, false>(k);
    Round128<Lanes, 0x10, false>(k);
    Round128<Lanes, 0x20, false>(k);
    Round128<Lanes, 0x40, false>(k);
    Round128<Lanes, 0x80, false>(k);
    Round128<Lanes, 0x1B, false>(k);
    Round128<Lanes, 0x36, true>(k);
}

template <int Lanes>
VAULTLET_AESNI void EncryptUnder256(KeyLanes<Lanes>& k, const std::uint8_t* keys) {
    // Round key 0 is the key's first half (already applied), round key 1 its second half.
#pragma GCC unroll 4
    for (int i = 0; i < Lanes; ++i) {
        k.older[i] = k.newer[i];
        k.newer[i] = Load(keys + 32 * i + 16);
        k.block[i] = _mm_aesenc_si128(k.block[i], k.newer[i]);
    }
    RoundPair256<Lanes, 0x01, false>(k);
    RoundPair256<Lanes, 0x02, false>(k);
    RoundPair256<Lanes, 0x04, false>(k);
    RoundPair256<Lanes, 0x08, false>(k);
    RoundPair256<Lanes, 0x10, false>(k);
    RoundPair256<Lanes, 0x20, false>(k);
    RoundPair256<Lanes, 0x40, true>(k);
}

} // namespace

VAULTLET_AESNI void AesNi::EncryptBlockUnderKeys(const std::uint8_t* keys, std::size_t keyLength,
                                                 const std::uint8_t* in, std::uint8_t* out) noexcept {
    KeyLanes<kKeyLanes> k;
    StartLanes(k, keys, keyLength, in);
    if (keyLength == 16) {
        EncryptUnder128(k);
    } else {
        EncryptUnder256(k, keys);
    }
#pragma GCC unroll 4
    for (int i = 0; i < kKeyLanes; ++i) {
        Store(out + 16 * i, k.block[i]);
        k.older[i] = k.newer[i] = k.block[i] = _mm_setzero_si128();
    }
}

bool AesNi::Available() noexcept {
    static const bool available = DetectAesNi();
    return available;
}

VAULTLET_AESNI bool AesNi::ExpandKey(const std::uint8_t* key, std::size_t keyLength, std::uint32_t* keys) noexcept {
    auto* k = reinterpret_cast<__m128i*>(keys);
    if (keyLength == 16) {
        Expand128(key, k);
        return true;
    }
    if (keyLength == 32) {
        Expand256(key, k);
        return true;
    }
    return false;
}

VAULTLET_AESNI void AesNi::InverseKeys(const std::uint32_t* encrypt, std::uint32_t* decrypt, int rounds) noexcept {
    auto* to = reinterpret_cast<__m128i*>(decrypt);
    _mm_store_si128(to, Key(encrypt, rounds));
    for (int round = 1; round < rounds; ++round) {
        _mm_store_si128(to + round, _mm_aesimc_si128(Key(encrypt, rounds - round)));
    }
    _mm_store_si128(to + rounds, Key(encrypt, 0));
}

VAULTLET_AESNI void AesNi::DecryptBlockWithEncryptionKeys(const std::uint32_t* keys, int rounds, const std::uint8_t* in,
                                                          std::uint8_t* out) noexcept {
    // The InvMixColumns of each round key does not depend on the data, so it runs alongside the
    // rounds instead of before them.
    __m128i b = _mm_xor_si128(Load(in), Key(keys, rounds));
    for (int round = rounds - 1; round > 0; --round) {
        b = _mm_aesdec_si128(b, _mm_aesimc_si128(Key(keys, round)));
    }
    Store(out, _mm_aesdeclast_si128(b, Key(keys, 0)));
}

void AesNi::EncryptBlocks(const std::uint32_t* keys, int rounds, const std::uint8_t* in, std::uint8_t* out,
                          std::size_t blocks) noexcept {
    Blocks<true>(keys, rounds, in, out, blocks);
}

void AesNi::DecryptBlocks(const std::uint32_t* keys, int rounds, const std::uint8_t* in, std::uint8_t* out,
                          std::size_t blocks) noexcept {
    Blocks<false>(keys, rounds, in, out, blocks);
}

} // namespace vaultlet

#else

namespace vaultlet {

// Other processors: the table implementation serves every key.
bool AesNi::Available() noexcept {
    return false;
}

bool AesNi::ExpandKey(const std::uint8_t*, std::size_t, std::uint32_t*) noexcept {
    return false;
}

void AesNi::InverseKeys(const std::uint32_t*, std::uint32_t*, int) noexcept {}

void AesNi::DecryptBlockWithEncryptionKeys(const std::uint32_t*, int, const std::uint8_t*, std::uint8_t*) noexcept {}

void AesNi::EncryptBlocks(const std::uint32_t*, int, const std::uint8_t*, std::uint8_t*, std::size_t) noexcept {}

void AesNi::DecryptBlocks(const std::uint32_t*, int, const std::uint8_t*, std::uint8_t*, std::size_t) noexcept {}

void AesNi::EncryptBlockUnderKeys(const std::uint8_t*, std::size_t, const std::uint8_t*, std::uint8_t*) noexcept {}

} // namespace vaultlet

#endif
