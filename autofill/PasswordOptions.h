#pragma once

namespace vaultlet {

// The character classes of the password generator, numbered as stored in "PassGenType". Symbols came
// later: settings written before they existed never hold 4, and a program from before reads 4 as
// letters and numbers, as it reads every number it does not know.
enum class PasswordClass { Numbers = 0, Hex = 1, Letters = 2, LettersAndNumbers = 3, LettersNumbersAndSymbols = 4 };

// The letter cases, numbered as stored in "PassGenCase".
enum class LetterCase { Lower = 0, Upper = 1, Mixed = 2 };

// The rules a generated password follows; the caller reads them from its settings.
struct PasswordOptions {
    PasswordClass passwordClass = PasswordClass::LettersAndNumbers;
    LetterCase letterCase = LetterCase::Mixed;
    // "PassGenExcludeSimilar": none of the characters of kSimilarCharacters (nor, with symbols, of
    // kSimilarSymbols).
    bool excludeSimilar = true;
    // "PassGenExcludeDuplicate": no character repeats (ignoring case) within six positions.
    bool excludeDuplicate = true;

    // From the stored integers: an unknown class means letters and numbers, an unknown case mixed,
    // any non-zero flag is set.
    static PasswordOptions FromSettings(int type, int letterCase, int excludeSimilar, int excludeDuplicate) noexcept {
        PasswordOptions options;
        options.passwordClass = type >= 0 && type <= static_cast<int>(PasswordClass::LettersNumbersAndSymbols)
                                    ? static_cast<PasswordClass>(type)
                                    : PasswordClass::LettersAndNumbers;
        options.letterCase =
            letterCase >= 0 && letterCase <= 1 ? static_cast<LetterCase>(letterCase) : LetterCase::Mixed;
        options.excludeSimilar = excludeSimilar != 0;
        options.excludeDuplicate = excludeDuplicate != 0;
        return options;
    }
};

} // namespace vaultlet
