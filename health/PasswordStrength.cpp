#include "health/PasswordStrength.h"

#include "core/SecureString.h"

#include <zxcvbn.h>

#include <algorithm>
#include <cmath>

namespace vaultlet {
namespace {

// zxcvbn-c answers in bits (log2 of the guesses); past this a double cannot hold the count.
constexpr double kMaxBits = 1000;

constexpr double kMinute = 60;
constexpr double kHour = 60 * kMinute;
constexpr double kDay = 24 * kHour;

} // namespace

StrengthEstimate PasswordStrength::Estimate(std::string_view password) {
    // The estimator takes a zero-terminated string; the copy is wiped when it goes.
    const SecureString text(password.substr(0, kEstimatedLength));
    const double bits = std::clamp(ZxcvbnMatch(text.c_str(), nullptr, nullptr), 0.0, kMaxBits);
    StrengthEstimate estimate;
    estimate.guesses = std::exp2(bits);
    estimate.score = ScoreOf(estimate.guesses);
    return estimate;
}

int PasswordStrength::ScoreOf(double guesses) noexcept {
    constexpr double kUpperBounds[] = {1e3, 1e6, 1e8, 1e10};
    int score = 0;
    while (score < kMaxScore && guesses >= kUpperBounds[score]) {
        ++score;
    }
    return score;
}

GuessTime PasswordStrength::TimeToGuess(double guesses) noexcept {
    const double seconds = guesses / kGuessesPerSecond;
    if (seconds < 1) {
        return GuessTime::Instantly;
    }
    if (seconds < kMinute) {
        return GuessTime::Seconds;
    }
    if (seconds < kHour) {
        return GuessTime::Minutes;
    }
    return seconds < kDay ? GuessTime::Hours : GuessTime::Days;
}

} // namespace vaultlet
