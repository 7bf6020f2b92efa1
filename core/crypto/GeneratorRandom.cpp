#include "core/crypto/GeneratorRandom.h"

namespace vaultlet {

namespace {

thread_local std::uint32_t tState = 1;

} // namespace

void GeneratorRandom::Seed(std::uint32_t seed) noexcept {
    tState = seed;
}

int GeneratorRandom::Next() noexcept {
    tState = tState * 214013u + 2531011u;
    return static_cast<int>((tState >> 16) & kMax);
}

} // namespace vaultlet
