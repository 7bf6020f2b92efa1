#include "core/Clock.h"

#include <atomic>
#include <chrono>

namespace vaultlet {
namespace {

// Seconds between 1601-01-01 and 1970-01-01, and file-time ticks per second.
constexpr std::int64_t kEpochDifference = 11644473600;
constexpr std::uint64_t kTicksPerSecond = 10000000;

std::atomic<bool> g_fixed{false};
std::atomic<std::int64_t> g_fixedSeconds{0};

} // namespace

std::int64_t Clock::NowUnix() {
    if (g_fixed.load()) {
        return g_fixedSeconds.load();
    }
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

std::uint64_t Clock::NowFileTime() {
    if (g_fixed.load()) {
        return UnixToFileTime(g_fixedSeconds.load());
    }
    using namespace std::chrono;
    const auto micros = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<std::uint64_t>(micros + kEpochDifference * 1000000) * 10;
}

std::uint64_t Clock::UnixToFileTime(std::int64_t unixSeconds) {
    return static_cast<std::uint64_t>(unixSeconds + kEpochDifference) * kTicksPerSecond;
}

void Clock::SetFixed(std::optional<std::int64_t> unixSeconds) {
    g_fixedSeconds.store(unixSeconds.value_or(0));
    g_fixed.store(unixSeconds.has_value());
}

} // namespace vaultlet
