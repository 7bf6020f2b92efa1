#include "health/PasswordStrength.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

using namespace vaultlet;

namespace {

// Examples from the estimator's own test cases (zxcvbn-c's testcases.txt), with the score zxcvbn's
// documentation gives to the estimate published there, from every band. The estimates of the
// releases built natively and for Windows differ a little; these examples lie clear of the band
// edges in both.
TEST(PasswordStrengthTest, ScoresTheDocumentedExamples) {
    const std::pair<const char*, int> examples[] = {
        {"password1", 0}, {"ros3bud99", 1}, {"qwER43@!", 2}, {"Tr0ub4dour&3", 3}, {"rWibMFACxAUGZmxhVncy", 4},
    };
    for (const auto& [password, score] : examples) {
        const StrengthEstimate estimate = PasswordStrength::Estimate(password);
        EXPECT_EQ(estimate.score, score) << password << ": " << estimate.guesses << " guesses";
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

// Each band's lower edge belongs to it: guesses at 10^3, 10^6, 10^8, 10^10 for the scores, and
// ten thousand guesses a second for the times.
TEST(PasswordStrengthTest, ScoresAndGuessingTimesStartAtTheirBandsEdge) {
    const std::tuple<double, int, GuessTime> cases[] = {
        {999, 0, GuessTime::Instantly}, {1e3, 1, GuessTime::Instantly}, {1e4, 1, GuessTime::Seconds},
        {6e5, 1, GuessTime::Minutes},   {1e6, 2, GuessTime::Minutes},   {3.6e7, 2, GuessTime::Hours},
        {1e8, 3, GuessTime::Hours},     {8.64e8, 3, GuessTime::Days},   {1e10, 4, GuessTime::Days},
    };
    for (const auto& [guesses, score, time] : cases) {
        EXPECT_EQ(PasswordStrength::ScoreOf(guesses), score) << guesses;
        EXPECT_EQ(PasswordStrength::TimeToGuess(guesses), time) << guesses;
    }
}

} // namespace
