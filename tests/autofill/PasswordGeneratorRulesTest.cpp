#include "autofill/PasswordGeneratorRules.h"

#include "autofill/SystemGeneratorDraws.h"

#include <gtest/gtest.h>

#include <cctype>
#include <deque>
#include <map>
#include <set>
#include <string>

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
    EXPECT_EQ(NextFrom(Options(PasswordClass::Letters, LetterCase::Mixed), {4, 2}), Drawn('c', 2));
    // Letters and numbers: a coin first, odd giving a letter by case, even a digit.
    EXPECT_EQ(NextFrom(Options(PasswordClass::LettersAndNumbers, LetterCase::Mixed), {1, 1, 2}), Drawn('C', 3));
    EXPECT_EQ(NextFrom(Options(PasswordClass::LettersAndNumbers, LetterCase::Mixed), {1, 0, 2}), Drawn('c', 3));
    EXPECT_EQ(NextFrom(Options(PasswordClass::LettersAndNumbers, LetterCase::Mixed), {0, 17}), Drawn('7', 2));
    EXPECT_EQ(NextFrom(Options(PasswordClass::LettersAndNumbers, LetterCase::Lower), {1, 28}), Drawn('c', 2));
    // Hex: draw AND 15; a letter gets its case, mixed case by a coin after it; a digit never does.
    EXPECT_EQ(NextFrom(Options(PasswordClass::Hex, LetterCase::Upper), {0x1A}), Drawn('A', 1));
    EXPECT_EQ(NextFrom(Options(PasswordClass::Hex, LetterCase::Lower), {0x1F}), Drawn('f', 1));
    EXPECT_EQ(NextFrom(Options(PasswordClass::Hex, LetterCase::Mixed), {0x2B, 1}), Drawn('B', 2));
    EXPECT_EQ(NextFrom(Options(PasswordClass::Hex, LetterCase::Mixed), {0x2B, 2}), Drawn('b', 2));
    EXPECT_EQ(NextFrom(Options(PasswordClass::Hex, LetterCase::Mixed), {0x39}), Drawn('9', 1));
    // With symbols: one draw modulo the alphabet (digits, the case's letters, the symbols).
    const PasswordOptions symbols = Options(PasswordClass::LettersNumbersAndSymbols, LetterCase::Mixed);
    EXPECT_EQ(NextFrom(symbols, {7}), Drawn('7', 1));
    EXPECT_EQ(NextFrom(symbols, {10}), Drawn('A', 1));
    EXPECT_EQ(NextFrom(symbols, {36}), Drawn('a', 1));
    EXPECT_EQ(NextFrom(symbols, {62}), Drawn('!', 1));
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
    for (const char similar : std::string("0Ooli1Ij")) {
        EXPECT_FALSE(strict.IsCharAcceptable(similar, "")) << similar;
    }
    EXPECT_TRUE(strict.IsCharAcceptable('L', ""));
    EXPECT_TRUE(strict.IsCharAcceptable('J', ""));
    // No repeat, ignoring case, among the last five characters; the sixth back may repeat.
    EXPECT_FALSE(strict.IsCharAcceptable('A', "abcde"));
    EXPECT_FALSE(strict.IsCharAcceptable('e', "abcdE"));
    EXPECT_TRUE(strict.IsCharAcceptable('a', "abcdef"));
    EXPECT_FALSE(strict.IsCharAcceptable('b', "ab"));

    PasswordGeneratorRules lax(Options(PasswordClass::LettersAndNumbers, LetterCase::Mixed), none);
    EXPECT_TRUE(lax.IsCharAcceptable('0', ""));
    EXPECT_TRUE(lax.IsCharAcceptable('a', "aaaaa"));

    // The look-alike symbols go with the similar characters; the others stay.
    for (const char similar : std::string("|`'\",.;:")) {
        EXPECT_FALSE(strict.IsCharAcceptable(similar, "")) << similar;
        EXPECT_TRUE(lax.IsCharAcceptable(similar, "")) << similar;
    }
    for (const char symbol : std::string("!#$%&()*+-/<=>?@[\\]^_{}~")) {
        EXPECT_TRUE(strict.IsCharAcceptable(symbol, "")) << symbol;
    }
    EXPECT_FALSE(strict.IsCharAcceptable('#', "a#"));
}

TEST(PasswordGeneratorRulesTest, LengthAndFailingDraws) {
    ScriptedDraws draws({5, 6, 7});
    PasswordGeneratorRules rules(Options(PasswordClass::Numbers, LetterCase::Mixed), draws);
    SecureString password("old");
    EXPECT_TRUE(rules.GeneratePassword(0, password));
    EXPECT_EQ(password, "");
    EXPECT_TRUE(rules.GeneratePassword(-3, password));
    EXPECT_EQ(draws.used, 0);
    EXPECT_TRUE(rules.GeneratePassword(2, password));
    EXPECT_EQ(password, "56");
    // Running out of numbers half-way gives no password at all rather than a short one.
    EXPECT_FALSE(rules.GeneratePassword(2, password));
    EXPECT_EQ(password, "");

    // A source stuck on a rejected value ends with a failure instead of hanging.
    class Stuck : public GeneratorDraws {
        bool Draw(int& value) override {
            value = 0;
            return true;
        }
    } stuck;
    PasswordGeneratorRules similar(Options(PasswordClass::Numbers, LetterCase::Mixed, true, false), stuck);
    EXPECT_FALSE(similar.GeneratePassword(1, password));
}

TEST(PasswordGeneratorRulesTest, OptionsFromStoredSettings) {
    PasswordOptions options = PasswordOptions::FromSettings(7, -1, 1, 0);
    EXPECT_EQ(options.passwordClass, PasswordClass::LettersAndNumbers);
    EXPECT_EQ(options.letterCase, LetterCase::Mixed);
    EXPECT_TRUE(options.excludeSimilar);
    EXPECT_FALSE(options.excludeDuplicate);
    EXPECT_EQ(PasswordOptions::FromSettings(4, 0, 0, 0).passwordClass, PasswordClass::LettersNumbersAndSymbols);
    EXPECT_EQ(PasswordOptions::FromSettings(5, 0, 0, 0).passwordClass, PasswordClass::LettersAndNumbers);
    options = PasswordOptions::FromSettings(1, 1, 0, 5);
    EXPECT_EQ(options.passwordClass, PasswordClass::Hex);
    EXPECT_EQ(options.letterCase, LetterCase::Upper);
    EXPECT_FALSE(options.excludeSimilar);
    EXPECT_TRUE(options.excludeDuplicate);
}

namespace {

// Generates many passwords with the system's draws and checks the alphabet, the exclusions and
// that every allowed character turns up with roughly its share.
void CheckDistribution(PasswordClass passwordClass, LetterCase letterCase, bool exclude,
                       const std::string& expectedAlphabet) {
    SCOPED_TRACE(expectedAlphabet);
    SystemGeneratorDraws draws;
    PasswordGeneratorRules rules(PasswordOptions{passwordClass, letterCase, exclude, exclude}, draws);
    std::map<char, int> counts;
    for (int i = 0; i < 1000; ++i) {
        SecureString password;
        ASSERT_TRUE(rules.GeneratePassword(20, password));
        ASSERT_EQ(password.size(), 20u);
        for (std::size_t p = 0; p < password.size(); ++p) {
            ++counts[password[p]];
            for (std::size_t back = 1; exclude && back <= 5 && back <= p; ++back) {
                ASSERT_NE(std::tolower(password[p]), std::tolower(password[p - back])) << password;
            }
        }
    }
    std::string alphabet;
    for (const auto& [character, count] : counts) {
        alphabet.push_back(character);
    }
    EXPECT_EQ(alphabet, expectedAlphabet);
    // Within one kind of character (digit, lower, upper, symbol) every character has about the same share.
    for (auto kind : {::isdigit, ::islower, ::isupper, ::ispunct}) {
        int least = 1 << 30;
        int most = 0;
        for (const auto& [character, count] : counts) {
            if (kind(static_cast<unsigned char>(character))) {
                least = std::min(least, count);
                most = std::max(most, count);
            }
        }
        if (most > 0) {
            EXPECT_LT(most, least * 5 / 2);
        }
    }
}

std::string Range(char first, char last, std::string_view without = "") {
    std::string range;
    for (char c = first; c <= last; ++c) {
        if (without.find(c) == std::string_view::npos) {
            range.push_back(c);
        }
    }
    return range;
}

} // namespace

// One configuration for each way a character is drawn; which draw makes which character is
// DrawsInTheFixedOrderForEveryClassAndCase's.
TEST(PasswordGeneratorRulesTest, DistributionsForEveryClass) {
    const std::string_view similar = PasswordGeneratorRules::kSimilarCharacters;
    CheckDistribution(PasswordClass::Numbers, LetterCase::Upper, true, Range('2', '9'));
    CheckDistribution(PasswordClass::Hex, LetterCase::Mixed, false,
                      Range('0', '9') + Range('A', 'F') + Range('a', 'f'));
    CheckDistribution(PasswordClass::Letters, LetterCase::Mixed, true,
                      Range('A', 'Z', similar) + Range('a', 'z', similar));
    CheckDistribution(PasswordClass::LettersAndNumbers, LetterCase::Lower, false, Range('0', '9') + Range('a', 'z'));
    CheckDistribution(PasswordClass::LettersAndNumbers, LetterCase::Mixed, true,
                      Range('2', '9') + Range('A', 'Z', similar) + Range('a', 'z', similar));
    // Printable ASCII in code order: the symbols lie between and around the digits and letters.
    const std::string_view similarSymbols = PasswordGeneratorRules::kSimilarSymbols;
    CheckDistribution(PasswordClass::LettersNumbersAndSymbols, LetterCase::Mixed, false, Range('!', '~'));
    CheckDistribution(PasswordClass::LettersNumbersAndSymbols, LetterCase::Lower, true,
                      Range('!', '@', std::string(similar) + std::string(similarSymbols)) +
                          Range('[', '~', std::string(similar) + std::string(similarSymbols)));
}

TEST(PasswordGeneratorRulesTest, TheSmallestAlphabetAlwaysEnds) {
    SystemGeneratorDraws draws;
    PasswordGeneratorRules rules(PasswordOptions{PasswordClass::Numbers, LetterCase::Mixed, true, true}, draws);
    SecureString password;
    ASSERT_TRUE(rules.GeneratePassword(5000, password));
    EXPECT_EQ(password.size(), 5000u);
    EXPECT_EQ(password.Viewed().find_first_not_of("23456789"), std::string_view::npos);
}

// Each opening of the generator draws from the system's cryptographic source, so openings do not
// repeat, as they would from a generator seeded with one of a few thousand values per opening.
TEST(PasswordGeneratorRulesTest, EveryOpeningGivesADifferentPassword) {
    std::set<std::string> first;
    const int openings = 6000;
    for (int i = 0; i < openings; ++i) {
        SystemGeneratorDraws draws;
        PasswordGeneratorRules rules(PasswordOptions{}, draws);
        SecureString password;
        ASSERT_TRUE(rules.GeneratePassword(10, password));
        first.insert(std::string(password.Viewed()));
    }
    EXPECT_EQ(first.size(), static_cast<std::size_t>(openings));
}

TEST(SystemGeneratorDrawsTest, DrawsCoverTheWholeRangeEvenly) {
    SystemGeneratorDraws draws;
    int buckets[8] = {};
    int odd = 0;
    const int count = 80000;
    for (int i = 0; i < count; ++i) {
        int value = -1;
        ASSERT_TRUE(draws.Draw(value));
        ASSERT_GE(value, 0);
        ASSERT_LE(value, GeneratorDraws::kMaxDraw);
        ++buckets[value / 4096];
        odd += value & 1;
    }
    for (const int bucket : buckets) {
        EXPECT_NEAR(bucket, count / 8, count / 80);
    }
    EXPECT_NEAR(odd, count / 2, count / 50);
}
