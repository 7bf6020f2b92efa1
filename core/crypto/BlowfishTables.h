#pragma once

#include <cstdint>

namespace vaultlet::blowfish {

// The initial P-array and S-boxes (hexadecimal digits of pi).
extern const std::uint32_t kInitialP[18];
extern const std::uint32_t kInitialS[4][256];

} // namespace vaultlet::blowfish
