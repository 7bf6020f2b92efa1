#include "autofill/PasswordGeneratorRules.h"

#include <algorithm>
#include <cctype>

namespace vaultlet {
namespace {

// The smallest alphabet (digits without the similar ones, five of them excluded as recent) still
// leaves three candidates, so acceptance needs few draws. A source that keeps producing rejected
// candidates this often is broken; giving up beats hanging the dialog.
constexpr int kMaxCandidates = 10000;

char Lower(char c) noexcept {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

PasswordGeneratorRules::PasswordGeneratorRules(const PasswordOptions& options, GeneratorDraws& draws)
    : m_options(options), m_draws(draws) {
    if (options.passwordClass == PasswordClass::LettersNumbersAndSymbols) {
        m_alphabet = AlphabetWithSymbols(options.letterCase);
    }
}

std::string PasswordGeneratorRules::AlphabetWithSymbols(LetterCase letterCase) {
    std::string alphabet = "0123456789";
    if (letterCase != LetterCase::Lower) {
        alphabet += "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    }
    if (letterCase != LetterCase::Upper) {
        alphabet += "abcdefghijklmnopqrstuvwxyz";
    }
    alphabet += kSymbols;
    return alphabet;
}

bool PasswordGeneratorRules::GeneratePassword(int length, SecureString& password) {
    password.clear();
    for (int i = 0; i < length; ++i) {
        char character = 0;
        if (!NextPasswordChar(password.Viewed(), character)) {
            password.clear();
            return false;
        }
        password.push_back(character);
    }
    return true;
}

bool PasswordGeneratorRules::NextPasswordChar(std::string_view passwordSoFar, char& character) {
    for (int attempt = 0; attempt < kMaxCandidates; ++attempt) {
        if (!DrawCandidate(character)) {
            return false;
        }
        if (IsCharAcceptable(character, passwordSoFar)) {
            return true;
        }
    }
    return false;
}

bool PasswordGeneratorRules::IsCharAcceptable(char candidate, std::string_view passwordSoFar) const noexcept {
    if (m_options.excludeSimilar && (kSimilarCharacters.find(candidate) != std::string_view::npos ||
                                     kSimilarSymbols.find(candidate) != std::string_view::npos)) {
        return false;
    }
    if (!m_options.excludeDuplicate || passwordSoFar.empty()) {
        return true;
    }
    const std::size_t recent = std::min<std::size_t>(5, passwordSoFar.size());
    const std::string_view last = passwordSoFar.substr(passwordSoFar.size() - recent);
    return std::none_of(last.begin(), last.end(), [candidate](char c) { return Lower(c) == Lower(candidate); });
}

bool PasswordGeneratorRules::DrawCandidate(char& candidate) {
    switch (m_options.passwordClass) {
    case PasswordClass::Numbers:
        return DrawDigit(candidate);
    case PasswordClass::Hex:
        return DrawHexDigit(candidate);
    case PasswordClass::Letters:
        return DrawLetter(candidate);
    case PasswordClass::LettersNumbersAndSymbols:
        return DrawFromAlphabet(candidate);
    case PasswordClass::LettersAndNumbers:
        break;
    }
    bool letter = false;
    if (!DrawCoin(letter)) {
        return false;
    }
    return letter ? DrawLetter(candidate) : DrawDigit(candidate);
}

bool PasswordGeneratorRules::DrawDigit(char& digit) {
    int value = 0;
    if (!m_draws.Draw(value)) {
        return false;
    }
    digit = static_cast<char>('0' + value % 10);
    return true;
}

bool PasswordGeneratorRules::DrawLetter(char& letter) {
    bool upper = m_options.letterCase == LetterCase::Upper;
    if (m_options.letterCase == LetterCase::Mixed && !DrawCoin(upper)) {
        return false;
    }
    int value = 0;
    if (!m_draws.Draw(value)) {
        return false;
    }
    letter = static_cast<char>((upper ? 'A' : 'a') + value % 26);
    return true;
}

bool PasswordGeneratorRules::DrawHexDigit(char& digit) {
    int value = 0;
    if (!m_draws.Draw(value)) {
        return false;
    }
    value &= 15;
    if (value < 10) {
        digit = static_cast<char>('0' + value);
        return true;
    }
    bool upper = m_options.letterCase == LetterCase::Upper;
    if (m_options.letterCase == LetterCase::Mixed && !DrawCoin(upper)) {
        return false;
    }
    digit = static_cast<char>((upper ? 'A' : 'a') + value - 10);
    return true;
}

bool PasswordGeneratorRules::DrawFromAlphabet(char& character) {
    const int size = static_cast<int>(m_alphabet.size());
    // The largest multiple of the size that the draws reach: every character has as many draws.
    const int limit = (GeneratorDraws::kMaxDraw + 1) / size * size;
    for (int attempt = 0; attempt < kMaxCandidates; ++attempt) {
        int value = 0;
        if (!m_draws.Draw(value)) {
            return false;
        }
        if (value < limit) {
            character = m_alphabet[static_cast<std::size_t>(value % size)];
            return true;
        }
    }
    return false;
}

bool PasswordGeneratorRules::DrawCoin(bool& odd) {
    int value = 0;
    if (!m_draws.Draw(value)) {
        return false;
    }
    odd = (value & 1) != 0;
    return true;
}

} // namespace vaultlet
