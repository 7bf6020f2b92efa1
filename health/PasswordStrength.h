#pragma once

#include <cstddef>
#include <string_view>

namespace vaultlet {

// What the estimator makes of one password: how many guesses an attacker who knows common
// passwords, words, names, keyboard patterns, dates and substitutions would need, and the score
// zxcvbn gives that number.
struct StrengthEstimate {
    double guesses = 1;
    // 0 too guessable, 1 very guessable, 2 somewhat guessable, 3 safely unguessable,
    // 4 very unguessable.
    int score = 0;
};

// How long guessing would take, in the words a user reads ("would be guessed in minutes"). The
// last step covers everything from a day on: a weak password never needs more than a few days.
enum class GuessTime { Instantly, Seconds, Minutes, Hours, Days };

// Password strength by zxcvbn (the C port, zxcvbn-c).
class PasswordStrength {
public:
    static constexpr int kMaxScore = 4;
    // The lowest score zxcvbn calls safe ("safely unguessable": moderate protection from an offline
    // attack on a slow hash); passwords below it are reported as weak.
    static constexpr int kSafeScore = 3;
    // Only the first bytes are estimated: the estimator's time grows with the length (a long run
    // of one character costs it most), and a value this long is already at least as strong as its
    // first bytes. Nobody types passwords longer than this; pasted keys do not need the rest.
    static constexpr std::size_t kEstimatedLength = 100;
    // The attacker the guessing time assumes: an offline attack on a slowly hashed password
    // database, ten thousand guesses a second (zxcvbn's "offline slow hashing" scenario).
    static constexpr double kGuessesPerSecond = 1e4;

    static StrengthEstimate Estimate(std::string_view password);
    // zxcvbn's score of a guess count: below 10^3 guesses 0, 10^6 1, 10^8 2, 10^10 3, else 4.
    static int ScoreOf(double guesses) noexcept;
    static GuessTime TimeToGuess(double guesses) noexcept;
};

} // namespace vaultlet
