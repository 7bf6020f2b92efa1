#include "core/LocalTime.h"

#include <time.h>

namespace vaultlet {

bool ToLocalTime(std::int64_t unixSeconds, std::tm& out) {
    const time_t value = static_cast<time_t>(unixSeconds);
    return localtime_r(&value, &out) != nullptr;
}

} // namespace vaultlet
