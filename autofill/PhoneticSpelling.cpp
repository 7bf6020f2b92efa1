#include "autofill/PhoneticSpelling.h"

namespace vaultlet {
namespace {

constexpr const char* kLetterWords[26] = {"air", "bit", "cup",  "dog", "era", "fly",  "gun", "hat",  "ink",
                                          "jug", "key", "leg",  "man", "net", "orb",  "pen", "quiz", "rat",
                                          "sea", "tia", "unit", "vow", "war", "xmas", "yap", "zen"};

constexpr const char* kDigitWords[10] = {"zero", "one", "two",   "three", "four",
                                         "five", "six", "seven", "eight", "nine"};

void AppendWord(SecureString& spelling, char c) {
    if (c >= '0' && c <= '9') {
        spelling += kDigitWords[c - '0'];
        return;
    }
    const bool upper = c >= 'A' && c <= 'Z';
    for (const char* letter = kLetterWords[upper ? c - 'A' : c - 'a']; *letter != '\0'; ++letter) {
        spelling.push_back(upper ? static_cast<char>(*letter - 'a' + 'A') : *letter);
    }
}

bool IsSpellable(char c) noexcept {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

SecureString SpellPhonetically(std::string_view password) {
    SecureString spelling;
    for (const char c : password) {
        if (!IsSpellable(c)) {
            return SecureString();
        }
    }
    for (const char c : password) {
        if (!spelling.empty()) {
            spelling += " - ";
        }
        AppendWord(spelling, c);
    }
    return spelling;
}

} // namespace vaultlet
