// Feeds arbitrary values to the strength estimator: a password comes from a database file, which
// another program may have written, and the estimator is third-party code that walks it byte by
// byte. Checks that every value gets an estimate in range.
#include "health/PasswordStrength.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view value(reinterpret_cast<const char*>(data), size);
    // A database value never holds a zero byte: the estimator sees text up to the first one.
    value = value.substr(0, value.find('\0'));
    const vaultlet::StrengthEstimate estimate = vaultlet::PasswordStrength::Estimate(value);
    if (!(estimate.guesses >= 1) || estimate.score < 0 || estimate.score > vaultlet::PasswordStrength::kMaxScore) {
        __builtin_trap();
    }
    return 0;
}
