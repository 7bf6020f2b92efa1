#pragma once

#include <cstdint>
#include <optional>

namespace vaultlet {

// The wall clock as the model sees it. Tests pin it with SetFixed so that expiry and creation
// times are deterministic.
class Clock {
public:
    // Seconds since 1970-01-01 UTC.
    static std::int64_t NowUnix();
    // 100-nanosecond intervals since 1601-01-01 UTC (a Windows file time).
    static std::uint64_t NowFileTime();

    static std::uint64_t UnixToFileTime(std::int64_t unixSeconds);

    // Pins the clock to the given Unix time (with no value: back to the system clock).
    static void SetFixed(std::optional<std::int64_t> unixSeconds);
};

} // namespace vaultlet
