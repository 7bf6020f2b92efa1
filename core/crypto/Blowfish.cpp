#include "core/crypto/Blowfish.h"

#include "core/SecureWipe.h"
#include "core/crypto/BlowfishTables.h"
#include "core/crypto/ByteOrder.h"

#include <cstring>

namespace vaultlet {

namespace {

using Schedule = Blowfish::Schedule;

// Keeps the compiler from reassociating an XOR chain: the P word must be folded into the waiting half
// before F arrives, not into F's result, or it lengthens the chain from round to round.
[[gnu::always_inline]] inline std::uint32_t Settled(std::uint32_t x) {
    __asm__("" : "+r"(x));
    return x;
}

[[gnu::always_inline]] inline std::uint32_t F(const Schedule& k, std::uint32_t x) {
    return ((k.s[0][x >> 24] + k.s[1][(x >> 16) & 0xFF]) ^ k.s[2][(x >> 8) & 0xFF]) + k.s[3][x & 0xFF];
}

// Sixteen rounds over the halves (l, r), two per pass so the halves swap roles instead of places;
// the result is (r, l) in the published order. Each P word is XORed into a half one round ahead of the
// F value it is combined with. Decryption runs the P-array backwards.
template <bool Encrypting>
[[gnu::always_inline]] inline void Crypt(const Schedule& k, std::uint32_t& left, std::uint32_t& right) {
    std::uint32_t l = left;
    std::uint32_t r = right;
    l ^= k.p[Encrypting ? 0 : 17];
    for (int i = 0; i < 16; i += 2) {
        r = Settled(r ^ k.p[Encrypting ? i + 1 : 16 - i]) ^ F(k, l);
        l = Settled(l ^ k.p[Encrypting ? i + 2 : 15 - i]) ^ F(k, r);
    }
    // The loop folded P[16] (P[1] backwards) into l already.
    left = r ^ k.p[Encrypting ? 17 : 0];
    right = l;
}

// Encrypts one block under each of two schedules, round by round in step.
[[gnu::always_inline]] inline void CryptPair(const Schedule& a, std::uint32_t& leftA, std::uint32_t& rightA,
                                             const Schedule& b, std::uint32_t& leftB, std::uint32_t& rightB) {
    std::uint32_t la = leftA ^ a.p[0];
    std::uint32_t ra = rightA;
    std::uint32_t lb = leftB ^ b.p[0];
    std::uint32_t rb = rightB;
    for (int i = 0; i < 16; i += 2) {
        ra = Settled(ra ^ a.p[i + 1]) ^ F(a, la);
        rb = Settled(rb ^ b.p[i + 1]) ^ F(b, lb);
        la = Settled(la ^ a.p[i + 2]) ^ F(a, ra);
        lb = Settled(lb ^ b.p[i + 2]) ^ F(b, rb);
    }
    leftA = ra ^ a.p[17];
    rightA = la;
    leftB = rb ^ b.p[17];
    rightB = lb;
}

// The first step of the key schedule: the initial S-boxes, and the P-array XORed with the key.
void StartSchedule(Schedule& k, const std::uint8_t* key, std::size_t length) {
    std::memcpy(k.s, blowfish::kInitialS, sizeof k.s);
    std::size_t next = 0;
    for (int i = 0; i < 18; ++i) {
        std::uint32_t word = 0;
        for (int b = 0; b < 4; ++b) {
            word = (word << 8) | key[next];
            next = next + 1 == length ? 0 : next + 1;
        }
        k.p[i] = blowfish::kInitialP[i] ^ word;
    }
}

// Independent blocks interleaved, so the lookups of one block overlap the dependency chain of another.
constexpr std::size_t kLanes = 4;

template <bool Encrypting>
void Blocks(const Schedule& k, const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) {
    for (; blocks >= kLanes; blocks -= kLanes, in += kLanes * 8, out += kLanes * 8) {
        std::uint32_t l[kLanes];
        std::uint32_t r[kLanes];
#pragma GCC unroll 4
        for (std::size_t j = 0; j < kLanes; ++j) {
            l[j] = bytes::LoadBe32(in + 8 * j) ^ k.p[Encrypting ? 0 : 17];
            r[j] = bytes::LoadBe32(in + 8 * j + 4);
        }
        for (int i = 0; i < 16; i += 2) {
#pragma GCC unroll 4
            for (std::size_t j = 0; j < kLanes; ++j) {
                r[j] = Settled(r[j] ^ k.p[Encrypting ? i + 1 : 16 - i]) ^ F(k, l[j]);
            }
#pragma GCC unroll 4
            for (std::size_t j = 0; j < kLanes; ++j) {
                l[j] = Settled(l[j] ^ k.p[Encrypting ? i + 2 : 15 - i]) ^ F(k, r[j]);
            }
        }
#pragma GCC unroll 4
        for (std::size_t j = 0; j < kLanes; ++j) {
            bytes::StoreBe32(out + 8 * j, r[j] ^ k.p[Encrypting ? 17 : 0]);
            bytes::StoreBe32(out + 8 * j + 4, l[j]);
        }
    }
    for (; blocks != 0; --blocks, in += 8, out += 8) {
        std::uint32_t l = bytes::LoadBe32(in);
        std::uint32_t r = bytes::LoadBe32(in + 4);
        Crypt<Encrypting>(k, l, r);
        bytes::StoreBe32(out, l);
        bytes::StoreBe32(out + 4, r);
    }
}

} // namespace

Blowfish::~Blowfish() {
    Wipe();
}

void Blowfish::Wipe() noexcept {
    if (m_keyed) {
        SecureWipe(&m_schedule, sizeof m_schedule);
        m_keyed = false;
    }
}

bool Blowfish::SetKey(const std::uint8_t* key, std::size_t length) noexcept {
    if (key == nullptr || length == 0 || length > kMaxKeyLength) {
        return false;
    }
    Schedule& k = m_schedule;
    StartSchedule(k, key, length);
    // Encrypt the all-zero block over and over with the schedule built so far, replacing the
    // P-array and then the S-boxes two words at a time.
    std::uint32_t l = 0;
    std::uint32_t r = 0;
    for (int i = 0; i < 18; i += 2) {
        Crypt<true>(k, l, r);
        k.p[i] = l;
        k.p[i + 1] = r;
    }
    for (auto& box : k.s) {
        for (int i = 0; i < 256; i += 2) {
            Crypt<true>(k, l, r);
            box[i] = l;
            box[i + 1] = r;
        }
    }
    m_keyed = true;
    return true;
}

bool Blowfish::SetKeyPair(Blowfish& first, const std::uint8_t* firstKey, Blowfish& second,
                          const std::uint8_t* secondKey, std::size_t length) noexcept {
    if (firstKey == nullptr || secondKey == nullptr || length == 0 || length > kMaxKeyLength || &first == &second) {
        return false;
    }
    Schedule& a = first.m_schedule;
    Schedule& b = second.m_schedule;
    StartSchedule(a, firstKey, length);
    StartSchedule(b, secondKey, length);
    std::uint32_t la = 0;
    std::uint32_t ra = 0;
    std::uint32_t lb = 0;
    std::uint32_t rb = 0;
    for (int i = 0; i < 18; i += 2) {
        CryptPair(a, la, ra, b, lb, rb);
        a.p[i] = la;
        a.p[i + 1] = ra;
        b.p[i] = lb;
        b.p[i + 1] = rb;
    }
    for (int box = 0; box < 4; ++box) {
        for (int i = 0; i < 256; i += 2) {
            CryptPair(a, la, ra, b, lb, rb);
            a.s[box][i] = la;
            a.s[box][i + 1] = ra;
            b.s[box][i] = lb;
            b.s[box][i + 1] = rb;
        }
    }
    first.m_keyed = true;
    second.m_keyed = true;
    return true;
}

void Blowfish::EncryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) const noexcept {
    Blocks<true>(m_schedule, in, out, blocks);
}

void Blowfish::DecryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks) const noexcept {
    Blocks<false>(m_schedule, in, out, blocks);
}

} // namespace vaultlet
