#include "core/crypto/GeneratorRandom.h"

namespace vaultlet {

namespace {

thread_local std::uint32_t gState = 1;

} // namespace

void GeneratorRandom::Seed(std::uint32_t seed) noexcept {
    gState = seed;
}

int GeneratorRandom::Next() noexcept {
    gState = gState * 214013u + 2531011u;
    return static_cast<int>((gState >> 16) & kMax);
}

} // namespace vaultlet
