#pragma once

#include "autofill/GeneratorDraws.h"
#include "autofill/PasswordOptions.h"
#include "core/SecureString.h"

#include <string>
#include <string_view>

namespace vaultlet {

// How the password generator makes a password: one character at a time from the selected class
// and case, each drawn again from scratch (coins included) until it passes the exclusion rules.
// The order of draws is fixed: a coin (draw AND 1) comes before the draw it decides.
//
// The class with symbols draws each character from one alphabet (digits, the letters of the case,
// then kSymbols) with equal chances: one draw, taken modulo the alphabet's size, where the draws at
// the top of the range that would favour the alphabet's first characters are drawn again.
class PasswordGeneratorRules {
public:
    // The characters left out when similar characters are excluded (case-sensitive).
    static constexpr std::string_view kSimilarCharacters = "0Ooli1Ij";
    // Printable ASCII punctuation: every visible character that is neither a letter nor a digit.
    static constexpr std::string_view kSymbols = "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";
    // The symbols left out with the similar characters: the bar looks like l, I and 1, the quotes
    // like each other, and the small marks , . ; : are easily misread for one another.
    static constexpr std::string_view kSimilarSymbols = "|`'\",.;:";

    PasswordGeneratorRules(const PasswordOptions& options, GeneratorDraws& draws);

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
    bool DrawFromAlphabet(char& character);

    // The alphabet of the class with symbols for the letter case chosen.
    static std::string AlphabetWithSymbols(LetterCase letterCase);

    PasswordOptions m_options;
    GeneratorDraws& m_draws;
    std::string m_alphabet;
};

} // namespace vaultlet
