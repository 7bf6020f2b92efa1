#include "shell/IdleLock.h"

#include <algorithm>
#include <limits>

namespace vaultlet {

IdleLock::Check IdleLock::Decide(bool enabled, int minutes, std::uint32_t now, std::uint32_t lastInput) {
    if (!enabled) {
        return {};
    }
    const std::uint32_t limit = static_cast<std::uint32_t>(ClampMinutes(minutes)) * 60 * 1000;
    // Unsigned subtraction counts across the wrap of the tick count. An input that arrived after
    // `now` was read (the difference then comes out "negative") happened just now.
    std::uint32_t idle = now - lastInput;
    if (idle > std::numeric_limits<std::uint32_t>::max() / 2) {
        idle = 0;
    }
    if (idle >= limit) {
        return {true, std::min(limit, kLongestWait)};
    }
    return {false, std::clamp(limit - idle, kShortestWait, kLongestWait)};
}

int IdleLock::ClampMinutes(int minutes) {
    return std::clamp(minutes, kMinutesMinimum, kMinutesMaximum);
}

} // namespace vaultlet
