#pragma once

#include <array>
#include <cstdint>

namespace vaultlet::twofish {

// Twofish's fixed tables, computed at compile time from the definitions in the Twofish paper: the
// byte permutations q0 and q1 built from four 4-bit tables each, and the MDS matrix (over GF(2^8)
// modulo x^8 + x^6 + x^5 + x^3 + 1) combined with the q permutation that precedes it in the h function,
// so the last step of h for byte position j is one lookup, mds[j][x] = column j of MDS times q(x), and
// the Reed-Solomon code of the key schedule as one table per matrix column.
struct Tables {
    std::array<std::array<std::uint8_t, 256>, 2> q{};
    std::array<std::array<std::uint32_t, 256>, 4> mds{};
    // rs[c][x]: column c of the Reed-Solomon matrix times x (over GF(2^8) modulo x^8 + x^6 + x^3 + x^2 + 1),
    // the four products packed least significant row first.
    std::array<std::array<std::uint32_t, 256>, 8> rs{};
};

constexpr std::uint8_t kNibbles[2][4][16] = {
    {{0x8, 0x1, 0x7, 0xD, 0x6, 0xF, 0x3, 0x2, 0x0, 0xB, 0x5, 0x9, 0xE, 0xC, 0xA, 0x4},
     {0xE, 0xC, 0xB, 0x8, 0x1, 0x2, 0x3, 0x5, 0xF, 0x4, 0xA, 0x6, 0x7, 0x0, 0x9, 0xD},
     {0xB, 0xA, 0x5, 0xE, 0x6, 0xD, 0x9, 0x0, 0xC, 0x8, 0xF, 0x3, 0x2, 0x4, 0x7, 0x1},
     {0xD, 0x7, 0xF, 0x4, 0x1, 0x2, 0x6, 0xE, 0x9, 0xB, 0x3, 0x0, 0x8, 0x5, 0xC, 0xA}},
    {{0x2, 0x8, 0xB, 0xD, 0xF, 0x7, 0x6, 0xE, 0x3, 0x1, 0x9, 0x4, 0x0, 0xA, 0xC, 0x5},
     {0x1, 0xE, 0x2, 0xB, 0x4, 0xC, 0x3, 0x7, 0x6, 0xD, 0xA, 0x5, 0xF, 0x9, 0x0, 0x8},
     {0x4, 0xC, 0x7, 0x5, 0x1, 0x6, 0x9, 0xA, 0x0, 0xE, 0xD, 0x8, 0x2, 0xB, 0x3, 0xF},
     {0xB, 0x9, 0x5, 0x1, 0xC, 0x3, 0xD, 0xE, 0x6, 0x4, 0x7, 0xF, 0x2, 0x0, 0x8, 0xA}}};

// The MDS matrix, row by row.
constexpr std::uint8_t kMds[4][4] = {
    {0x01, 0xEF, 0x5B, 0x5B}, {0x5B, 0xEF, 0xEF, 0x01}, {0xEF, 0x5B, 0x01, 0xEF}, {0xEF, 0x01, 0xEF, 0x5B}};

// The Reed-Solomon matrix that turns each 8 key bytes into an S-box key word, row by row.
constexpr std::uint8_t kRs[4][8] = {{0x01, 0xA4, 0x55, 0x87, 0x5A, 0x58, 0xDB, 0x9E},
                                    {0xA4, 0x56, 0x82, 0xF3, 0x1E, 0xC6, 0x68, 0xE5},
                                    {0x02, 0xA1, 0xFC, 0xC1, 0x47, 0xAE, 0x3D, 0x19},
                                    {0xA4, 0x55, 0x87, 0x5A, 0x58, 0xDB, 0x9E, 0x03}};

// The final q permutation of h per byte position.
constexpr int kFinalQ[4] = {1, 0, 1, 0};

constexpr std::uint8_t Multiply(std::uint8_t a, std::uint8_t b, unsigned modulus) {
    unsigned x = a;
    unsigned product = 0;
    for (; b != 0; b >>= 1) {
        if ((b & 1) != 0) {
            product ^= x;
        }
        x <<= 1;
        if ((x & 0x100) != 0) {
            x ^= modulus;
        }
    }
    return static_cast<std::uint8_t>(product);
}

constexpr std::uint8_t Permute(const std::uint8_t (&t)[4][16], std::uint8_t x) {
    const auto ror4 = [](unsigned v) { return ((v >> 1) | (v << 3)) & 0xF; };
    unsigned a = x >> 4, b = x & 0xF;
    for (int stage = 0; stage < 2; ++stage) {
        const unsigned a1 = a ^ b;
        const unsigned b1 = (a ^ ror4(b) ^ (8 * a)) & 0xF;
        a = t[2 * stage][a1];
        b = t[2 * stage + 1][b1];
    }
    return static_cast<std::uint8_t>(16 * b + a);
}

constexpr Tables MakeTables() {
    Tables t;
    for (int i = 0; i < 256; ++i) {
        t.q[0][i] = Permute(kNibbles[0], static_cast<std::uint8_t>(i));
        t.q[1][i] = Permute(kNibbles[1], static_cast<std::uint8_t>(i));
    }
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 256; ++i) {
            const std::uint8_t y = t.q[kFinalQ[j]][i];
            std::uint32_t column = 0;
            for (int row = 0; row < 4; ++row) {
                column |= std::uint32_t{Multiply(kMds[row][j], y, 0x169)} << (8 * row);
            }
            t.mds[j][i] = column;
        }
    }
    for (int c = 0; c < 8; ++c) {
        for (int i = 0; i < 256; ++i) {
            std::uint32_t column = 0;
            for (int row = 0; row < 4; ++row) {
                column |= std::uint32_t{Multiply(kRs[row][c], static_cast<std::uint8_t>(i), 0x14D)} << (8 * row);
            }
            t.rs[c][i] = column;
        }
    }
    return t;
}

inline constexpr Tables kTables = MakeTables();

} // namespace vaultlet::twofish
