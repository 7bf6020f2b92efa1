#include "shell/DpiScale.h"

#include <cstdint>

namespace vaultlet {

DpiScale::DpiScale(int dpi) noexcept : m_dpi(dpi >= kLowestDpi && dpi <= kHighestDpi ? dpi : kDesignDpi) {}

int DpiScale::Convert(int length, int from, int to) noexcept {
    // Halves round away from zero, so a length and its negative scale alike.
    const std::int64_t scaled = static_cast<std::int64_t>(length) * to;
    const std::int64_t half = from / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / from : (scaled - half) / from);
}

} // namespace vaultlet
