#include "core/LocalTime.h"

#include <time.h>

namespace vaultlet {

bool ToLocalTime(std::int64_t unixSeconds, std::tm& out) {
    const __time64_t value = static_cast<__time64_t>(unixSeconds);
    return _localtime64_s(&out, &value) == 0;
}

} // namespace vaultlet
