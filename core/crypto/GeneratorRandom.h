#pragma once

#include <cstdint>

namespace vaultlet {

// The process's pseudo-random source: a linear congruential generator on a 32-bit state,
// state = state * 214013 + 2531011 (mod 2^32), each draw (state >> 16) & 0x7FFF. The state belongs to
// the calling thread, and every part of the program that draws on a thread shares it, so the order of
// draws matters. A thread that never seeded starts from state 1. The sequence is fully determined by
// the seed; the database format seeds it from machine facts before drawing.
class GeneratorRandom {
public:
    static constexpr int kMax = 0x7FFF;

    static void Seed(std::uint32_t seed) noexcept;
    // 0..kMax.
    static int Next() noexcept;
};

} // namespace vaultlet
