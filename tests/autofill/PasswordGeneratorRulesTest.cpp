#include "autofill/PasswordGeneratorRules.h"

#include "autofill/SystemGeneratorDraws.h"
#include "core/crypto/GeneratorRandom.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <string_view>
#include <tuple>

using namespace vaultlet;

namespace {

// Hands out a fixed list of numbers and fails when they run out.
class ScriptedDraws : public GeneratorDraws {
public:
    ScriptedDraws(std::initializer_list<int> values) : m_values(values) {}
    bool Draw(int& value) override {
        if (m_values.empty()) {
            return false;
        }
        value = m_values.front();
        m_values.pop_front();
        ++used;
        return true;
    }
    int used = 0;

private:
    std::deque<int> m_values;
};

// Gives one number for ever, failing the draws marked "x" in a pattern that repeats.
class PatternDraws : public GeneratorDraws {
public:
    PatternDraws(std::string_view pattern, int value) : m_pattern(pattern), m_value(value) {}
    bool Draw(int& value) override {
        value = m_value;
        return m_pattern[m_count++ % m_pattern.size()] != 'x';
    }

private:
    std::string_view m_pattern;
    int m_value;
    std::size_t m_count = 0;
};

PasswordOptions Options(PasswordClass passwordClass, LetterCase letterCase, bool excludeSimilar = false,
                        bool excludeDuplicate = false) {
    return PasswordOptions{passwordClass, letterCase, excludeSimilar, excludeDuplicate};
}

// The character one NextPasswordChar makes from the scripted draws, and how many it used.
std::pair<char, int> NextFrom(const PasswordOptions& options, std::initializer_list<int> draws,
                              std::string_view soFar = "") {
    ScriptedDraws scripted(draws);
    PasswordGeneratorRules rules(options, scripted);
    char character = 0;
    EXPECT_TRUE(rules.NextPasswordChar(soFar, character));
    return {character, scripted.used};
}

using Drawn = std::pair<char, int>;

} // namespace

TEST(PasswordGeneratorRulesTest, DrawsInTheFixedOrderForEveryClassAndCase) {
    // Digits: draw mod 10.
    EXPECT_EQ(NextFrom(Options(PasswordClass::Numbers, LetterCase::Upper), {32767}), Drawn('7', 1));
    // Letters: mod 26; mixed case draws the coin first, odd meaning upper case.
    EXPECT_EQ(NextFrom(Options(PasswordClass::Letters, LetterCase::Lower), {27}), Drawn('b', 1));
    EXPECT_EQ(NextFrom(Options(PasswordClass::Letters, LetterCase::Upper), {25}), Drawn('Z', 1));
    EXPECT_EQ(NextFrom(Options(PasswordClass::Letters, LetterCase::Mixed), {3, 2}), Drawn('C', 2));
    // Letters and numbers: a coin first, odd giving a letter by case, even a digit.
    EXPECT_EQ(NextFrom(Options(PasswordClass::LettersAndNumbers, LetterCase::Mixed), {1, 0, 2}), Drawn('c', 3));
    EXPECT_EQ(NextFrom(Options(PasswordClass::LettersAndNumbers, LetterCase::Mixed), {0, 17}), Drawn('7', 2));
    // Hex: draw AND 15; a letter gets its case, mixed case by a coin after it; a digit never does.
    EXPECT_EQ(NextFrom(Options(PasswordClass::Hex, LetterCase::Upper), {0x1A}), Drawn('A', 1));
    EXPECT_EQ(NextFrom(Options(PasswordClass::Hex, LetterCase::Lower), {0x1F}), Drawn('f', 1));
    EXPECT_EQ(NextFrom(Options(PasswordClass::Hex, LetterCase::Mixed), {0x2B, 1}), Drawn('B', 2));
    EXPECT_EQ(NextFrom(Options(PasswordClass::Hex, LetterCase::Mixed), {0x2B, 2}), Drawn('b', 2));
    EXPECT_EQ(NextFrom(Options(PasswordClass::Hex, LetterCase::Mixed), {0x39}), Drawn('9', 1));
    // With symbols: one draw modulo the alphabet (digits, the case's letters, the symbols).
    const PasswordOptions symbols = Options(PasswordClass::LettersNumbersAndSymbols, LetterCase::Mixed);
    EXPECT_EQ(NextFrom(symbols, {36}), Drawn('a', 1));
    EXPECT_EQ(NextFrom(symbols, {94 + 93}), Drawn('~', 1));
    EXPECT_EQ(NextFrom(Options(PasswordClass::LettersNumbersAndSymbols, LetterCase::Lower), {36 + 68}), Drawn('!', 1));
    EXPECT_EQ(NextFrom(Options(PasswordClass::LettersNumbersAndSymbols, LetterCase::Upper), {35}), Drawn('Z', 1));
    // 32768 = 348 * 94 + 56: the last 56 draws would favour the first characters and are drawn again.
    EXPECT_EQ(NextFrom(symbols, {348 * 94, 32767, 348 * 94 - 1}), Drawn('~', 3));
}

TEST(PasswordGeneratorRulesTest, ARejectedCandidateIsRedrawnFromItsFirstDraw) {
    const PasswordOptions options = Options(PasswordClass::LettersAndNumbers, LetterCase::Mixed, true, true);
    // "0" (coin, digit), "1" (coin, digit), "o" (coin, coin, letter) are similar; "I" likewise;
    // "b" repeats the B of the password so far; then "2".
    EXPECT_EQ(NextFrom(options, {0, 0, 0, 1, 1, 0, 14, 1, 1, 8, 1, 0, 1, 0, 2}, "xB"), Drawn('2', 15));
}

TEST(PasswordGeneratorRulesTest, AcceptanceRules) {
    ScriptedDraws none({});
    PasswordGeneratorRules strict(Options(PasswordClass::LettersAndNumbers, LetterCase::Mixed, true, true), none);
    // The look-alike symbols go with the similar characters; the generate command's test checks which
    // characters remain in every class.
    for (const char similar : std::string("0Ooli1Ij|`'\",.;:")) {
        EXPECT_FALSE(strict.IsCharAcceptable(similar, "")) << similar;
    }
    EXPECT_TRUE(strict.IsCharAcceptable('L', ""));
    // No repeat, ignoring case, among the last five characters; the sixth back may repeat.
    EXPECT_FALSE(strict.IsCharAcceptable('A', "abcde"));
    EXPECT_TRUE(strict.IsCharAcceptable('a', "abcdef"));

    PasswordGeneratorRules lax(Options(PasswordClass::LettersAndNumbers, LetterCase::Mixed), none);
    EXPECT_TRUE(lax.IsCharAcceptable('0', ""));
    EXPECT_TRUE(lax.IsCharAcceptable('a', "aaaaa"));
}

TEST(PasswordGeneratorRulesTest, LengthAndFailingDraws) {
    ScriptedDraws draws({5, 6, 7});
    PasswordGeneratorRules rules(Options(PasswordClass::Numbers, LetterCase::Mixed), draws);
    SecureString password("old");
    EXPECT_TRUE(rules.GeneratePassword(0, password));
    EXPECT_EQ(password, "");
    EXPECT_EQ(draws.used, 0);
    EXPECT_TRUE(rules.GeneratePassword(2, password));
    EXPECT_EQ(password, "56");

    // A source that fails at any draw gives no password at all rather than a short or made-up one.
    for (const std::string_view pattern : {"x", ".x"}) {
        for (const PasswordClass passwordClass :
             {PasswordClass::Numbers, PasswordClass::Hex, PasswordClass::Letters, PasswordClass::LettersAndNumbers,
              PasswordClass::LettersNumbersAndSymbols}) {
            for (const LetterCase letterCase : {LetterCase::Upper, LetterCase::Mixed}) {
                SCOPED_TRACE(testing::Message() << pattern << " " << static_cast<int>(passwordClass) << " "
                                                << static_cast<int>(letterCase));
                PatternDraws failing(pattern, 11);
                PasswordGeneratorRules broken(Options(passwordClass, letterCase), failing);
                SecureString generated("old");
                EXPECT_FALSE(broken.GeneratePassword(4, generated));
                EXPECT_EQ(generated, "");
            }
        }
    }
    // A source stuck on a rejected value (a similar digit, a draw above the last whole alphabet)
    // ends with a failure instead of hanging.
    for (const PasswordClass passwordClass :
         {PasswordClass::Numbers, PasswordClass::LettersAndNumbers, PasswordClass::LettersNumbersAndSymbols}) {
        PatternDraws stuck(".", 32760);
        PasswordGeneratorRules rejecting(Options(passwordClass, LetterCase::Mixed, true), stuck);
        EXPECT_FALSE(rejecting.GeneratePassword(1, password)) << static_cast<int>(passwordClass);
    }
}

TEST(PasswordGeneratorRulesTest, OptionsFromStoredSettings) {
    const auto read = [](int type, int letterCase, int similar, int duplicate) {
        const PasswordOptions o = PasswordOptions::FromSettings(type, letterCase, similar, duplicate);
        return std::make_tuple(o.passwordClass, o.letterCase, o.excludeSimilar, o.excludeDuplicate);
    };
    EXPECT_EQ(read(7, -1, 1, 0), std::make_tuple(PasswordClass::LettersAndNumbers, LetterCase::Mixed, true, false));
    EXPECT_EQ(read(-1, 2, 0, 0), std::make_tuple(PasswordClass::LettersAndNumbers, LetterCase::Mixed, false, false));
    EXPECT_EQ(read(4, 0, 0, 0),
              std::make_tuple(PasswordClass::LettersNumbersAndSymbols, LetterCase::Lower, false, false));
    EXPECT_EQ(read(5, 0, 0, 0), std::make_tuple(PasswordClass::LettersAndNumbers, LetterCase::Lower, false, false));
    EXPECT_EQ(read(1, 1, 0, 5), std::make_tuple(PasswordClass::Hex, LetterCase::Upper, false, true));
}

// Each opening of the generator draws from the system's cryptographic source, so openings do not
// repeat, as they would from a generator seeded with one of a few thousand values per opening.
TEST(PasswordGeneratorRulesTest, EveryOpeningGivesADifferentPassword) {
    std::set<std::string> passwords;
    const int openings = 6000;
    for (int i = 0; i < openings; ++i) {
        GeneratorRandom::Seed(99);
        SystemGeneratorDraws draws;
        PasswordGeneratorRules rules(PasswordOptions{}, draws);
        SecureString password;
        ASSERT_TRUE(rules.GeneratePassword(10, password));
        passwords.insert(std::string(password.Viewed()));
    }
    EXPECT_EQ(passwords.size(), static_cast<std::size_t>(openings));
}
