#include "health/PasswordStrength.h"

#include <gtest/gtest.h>

#include <string>

using namespace vaultlet;

namespace {

struct Example {
    const char* password;
    int score;
};

// Examples from the estimator's own test cases (zxcvbn-c's testcases.txt), with the score zxcvbn's
// documentation gives to the estimate published there, from every band. The estimates of the
// releases built natively and for Windows differ a little; these examples lie clear of the band
// edges in both.
TEST(PasswordStrengthTest, ScoresTheDocumentedExamples) {
    const Example examples[] = {
        {"password1", 0},
        {"12345678", 0},
        {"rosebud", 0},
        {"zxcvbn", 0},
        {"defghi6789", 1},
        {"ros3bud99", 1},
        {"qwER43@!", 2},
        {"do you know", 2},
        {"Tr0ub4dour&3", 3},
        {"asdfghju7654rewq", 3},
        {"eheuczkqyq", 4},
        {"correcthorsebatterystaple", 4},
        {"rWibMFACxAUGZmxhVncy", 4},
    };
    for (const Example& example : examples) {
        const StrengthEstimate estimate = PasswordStrength::Estimate(example.password);
        EXPECT_EQ(estimate.score, example.score) << example.password << ": " << estimate.guesses << " guesses";
        EXPECT_EQ(PasswordStrength::ScoreOf(estimate.guesses), estimate.score) << example.password;
    }
}

TEST(PasswordStrengthTest, LongValuesAreRatedByTheirBeginning) {
    // A pasted key far longer than any password is rated, and rated strong.
    std::string key;
    for (int i = 0; i < 2000; ++i) {
        key += "Qx7#vP2m"[(i * 5 + i / 8) % 8];
    }
    EXPECT_EQ(PasswordStrength::Estimate(key).score, PasswordStrength::kMaxScore);
    // A long run of one letter is no better than a short one.
    EXPECT_LT(PasswordStrength::Estimate(std::string(5000, 'a')).score, PasswordStrength::kSafeScore);
}

TEST(PasswordStrengthTest, GuessingTimeAssumesTenThousandGuessesASecond) {
    const std::pair<double, GuessTime> cases[] = {
        {5e3, GuessTime::Instantly}, // half a second
        {1e5, GuessTime::Seconds},   // 10 s
        {1e6, GuessTime::Minutes},   // 100 s
        {1e8, GuessTime::Hours},     // under 3 hours
        {1e10, GuessTime::Days},     // 11.6 days
    };
    for (const auto& [guesses, time] : cases) {
        EXPECT_EQ(PasswordStrength::TimeToGuess(guesses), time) << guesses;
    }
}

} // namespace
