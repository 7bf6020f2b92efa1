#pragma once

#include <cstdint>
#include <ctime>

namespace vaultlet {

// Converts seconds since 1970 UTC to the local calendar time; false when the C library cannot.
bool ToLocalTime(std::int64_t unixSeconds, std::tm& out);

} // namespace vaultlet
