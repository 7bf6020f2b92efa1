#pragma once

#include "autofill/GeneratorDraws.h"
#include "autofill/PasswordOptions.h"
#include "core/SecureString.h"

#include <string_view>

namespace vaultlet {

// How the password generator makes a password: one character at a time from the selected class
// and case, each drawn again from scratch (coins included) until it passes the exclusion rules.
// The order of draws is fixed: a coin (draw AND 1) comes before the draw it decides.
class PasswordGeneratorRules {
public:
    // The characters left out when similar characters are excluded (case-sensitive).
    static constexpr std::string_view kSimilarCharacters = "0Ooli1Ij";

    PasswordGeneratorRules(const PasswordOptions& options, GeneratorDraws& draws) noexcept;

    // A password of that many characters (empty for 0 or less). False, with an empty password,
    // when the draws fail.
    bool GeneratePassword(int length, SecureString& password);
    // One more character for the password so far, redrawn until IsCharAcceptable accepts it.
    bool NextPasswordChar(std::string_view passwordSoFar, char& character);
    bool IsCharAcceptable(char candidate, std::string_view passwordSoFar) const noexcept;

private:
    bool DrawCandidate(char& candidate);
    bool DrawDigit(char& digit);
    bool DrawLetter(char& letter);
    bool DrawHexDigit(char& digit);
    bool DrawCoin(bool& odd);

    PasswordOptions m_options;
    GeneratorDraws& m_draws;
};

} // namespace vaultlet
