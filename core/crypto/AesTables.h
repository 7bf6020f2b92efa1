#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace vaultlet::aes {

// Rijndael's lookup tables, computed at compile time from the definitions: the S-box is the
// multiplicative inverse in GF(2^8) (modulo x^8 + x^4 + x^3 + x + 1) followed by the affine map; the
// round tables fold SubBytes and MixColumns (or their inverses) into one lookup per state byte.
// Words are little-endian columns: row r of a column sits in bits 8r to 8r + 7.
struct Tables {
    std::array<std::uint8_t, 256> sbox{};
    std::array<std::uint8_t, 256> inverseSbox{};
    // encrypt[k][x]: column k of MixColumns times S(x); decrypt[k][x]: column k of InvMixColumns
    // times S^-1(x).
    std::array<std::array<std::uint32_t, 256>, 4> encrypt{};
    std::array<std::array<std::uint32_t, 256>, 4> decrypt{};
    // InvMixColumns of a column with the byte x in row k and zeros elsewhere (for the decryption keys).
    std::array<std::array<std::uint32_t, 256>, 4> inverseMix{};
    // Round constants x^(i) in GF(2^8); enough for the longest schedule (32-byte blocks, 16-byte key).
    std::array<std::uint8_t, 30> rcon{};
};

constexpr std::uint8_t Times2(std::uint8_t x) {
    return static_cast<std::uint8_t>((x << 1) ^ ((x & 0x80) != 0 ? 0x1B : 0));
}

constexpr std::uint8_t Multiply(std::uint8_t a, std::uint8_t b) {
    std::uint8_t product = 0;
    for (; b != 0; b >>= 1, a = Times2(a)) {
        if ((b & 1) != 0) {
            product ^= a;
        }
    }
    return product;
}

constexpr std::uint32_t Column(std::uint8_t r0, std::uint8_t r1, std::uint8_t r2, std::uint8_t r3) {
    return std::uint32_t{r0} | std::uint32_t{r1} << 8 | std::uint32_t{r2} << 16 | std::uint32_t{r3} << 24;
}

constexpr Tables MakeTables() {
    Tables t;
    // Powers of the generator 3 give logarithms, and with them inverses.
    std::array<std::uint8_t, 256> power{};
    std::array<std::uint8_t, 256> log{};
    std::uint8_t x = 1;
    for (int i = 0; i < 255; ++i) {
        power[i] = x;
        log[x] = static_cast<std::uint8_t>(i);
        x = static_cast<std::uint8_t>(x ^ Times2(x));
    }
    for (int i = 0; i < 256; ++i) {
        const std::uint8_t inverse = i == 0 ? 0 : power[(255 - log[i]) % 255];
        const std::uint8_t s = static_cast<std::uint8_t>(inverse ^ std::rotl(inverse, 1) ^ std::rotl(inverse, 2) ^
                                                         std::rotl(inverse, 3) ^ std::rotl(inverse, 4) ^ 0x63);
        t.sbox[i] = s;
        t.inverseSbox[s] = static_cast<std::uint8_t>(i);
    }
    for (int i = 0; i < 256; ++i) {
        const std::uint8_t s = t.sbox[i];
        const std::uint8_t v = t.inverseSbox[i];
        const std::uint8_t b = static_cast<std::uint8_t>(i);
        const std::uint32_t e = Column(Multiply(s, 2), s, s, Multiply(s, 3));
        const std::uint32_t d = Column(Multiply(v, 14), Multiply(v, 9), Multiply(v, 13), Multiply(v, 11));
        const std::uint32_t m = Column(Multiply(b, 14), Multiply(b, 9), Multiply(b, 13), Multiply(b, 11));
        for (int k = 0; k < 4; ++k) {
            t.encrypt[k][i] = std::rotl(e, 8 * k);
            t.decrypt[k][i] = std::rotl(d, 8 * k);
            t.inverseMix[k][i] = std::rotl(m, 8 * k);
        }
    }
    std::uint8_t r = 1;
    for (auto& c : t.rcon) {
        c = r;
        r = Times2(r);
    }
    return t;
}

inline constexpr Tables kTables = MakeTables();

} // namespace vaultlet::aes
