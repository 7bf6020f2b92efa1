#include "cli/GenerateCommand.h"

#include "autofill/PasswordGeneratorRules.h"
#include "autofill/PhoneticSpelling.h"
#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>

using namespace vaultlet;
using test::CliRun;

namespace {

class GenerateCommandTest : public test::CliFixture {
protected:
    std::vector<std::string> Lines(const std::vector<std::string>& arguments) {
        std::vector<std::string> all = {"generate"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        const CliRun run = m_cli.Run(all);
        EXPECT_EQ(run.status, 0) << run.err;
        std::vector<std::string> lines;
        std::istringstream in(run.out);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }
};

bool HasRepeatWithinSix(const std::string& password) {
    for (std::size_t i = 0; i < password.size(); ++i) {
        for (std::size_t j = i + 1; j < password.size() && j <= i + 5; ++j) {
            if (std::tolower(static_cast<unsigned char>(password[i])) ==
                std::tolower(static_cast<unsigned char>(password[j]))) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

TEST_F(GenerateCommandTest, DefaultsAreTheGeneratorsDefaults) {
    const std::vector<std::string> lines = Lines({"--count", "200"});
    ASSERT_EQ(lines.size(), 200u);
    std::set<std::string> distinct;
    bool digits = false;
    bool upper = false;
    bool lower = false;
    for (const std::string& password : lines) {
        ASSERT_EQ(password.size(), 10u) << password;
        for (const char c : password) {
            ASSERT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << password;
            EXPECT_EQ(PasswordGeneratorRules::kSimilarCharacters.find(c), std::string_view::npos) << password;
            digits = digits || std::isdigit(static_cast<unsigned char>(c));
            upper = upper || std::isupper(static_cast<unsigned char>(c));
            lower = lower || std::islower(static_cast<unsigned char>(c));
        }
        EXPECT_FALSE(HasRepeatWithinSix(password)) << password;
        distinct.insert(password);
    }
    EXPECT_TRUE(digits && upper && lower);
    EXPECT_EQ(distinct.size(), lines.size());
    EXPECT_EQ(Lines({}).size(), 1u);
}

TEST_F(GenerateCommandTest, OptionsChooseClassCaseRulesAndLength) {
    for (const std::string& password : Lines({"--type", "numbers", "--count", "50", "--length", "6"})) {
        EXPECT_EQ(password.find_first_not_of("23456789"), std::string::npos) << password;
        EXPECT_EQ(password.size(), 6u);
    }
    for (const std::string& password : Lines({"--type", "hex", "--case", "lower", "--count", "50"})) {
        EXPECT_EQ(password.find_first_not_of("23456789abcdef"), std::string::npos) << password;
    }
    for (const std::string& password : Lines({"--type", "letters", "--case", "upper", "--count", "50"})) {
        EXPECT_EQ(password.find_first_not_of("ABCDEFGHJKLMNPQRSTUVWXYZ"), std::string::npos) << password;
    }
    std::string symbols;
    for (const std::string& password : Lines({"--type", "symbols", "--case", "lower", "--count", "50"})) {
        for (const char c : password) {
            EXPECT_TRUE(std::isgraph(static_cast<unsigned char>(c)) && !std::isupper(static_cast<unsigned char>(c)))
                << password;
            EXPECT_EQ(PasswordGeneratorRules::kSimilarSymbols.find(c), std::string_view::npos) << password;
            if (std::ispunct(static_cast<unsigned char>(c))) {
                symbols += c;
            }
        }
    }
    EXPECT_FALSE(symbols.empty());
    // Allowing similar characters and repeats lets them appear.
    std::string all;
    for (const std::string& password :
         Lines({"--type", "numbers", "--allow-similar", "--allow-repeats", "--length", "64", "--count", "20"})) {
        all += password;
        EXPECT_EQ(password.size(), 64u);
    }
    EXPECT_NE(all.find('0'), std::string::npos);
    EXPECT_NE(all.find('1'), std::string::npos);
    EXPECT_TRUE(HasRepeatWithinSix(all));
    EXPECT_EQ(Lines({"--length", "4096"})[0].size(), 4096u);
}

TEST_F(GenerateCommandTest, PhoneticSpellingFollowsATab) {
    for (const std::string& line : Lines({"--phonetic", "--count", "20"})) {
        const std::size_t tab = line.find('\t');
        ASSERT_EQ(tab, 10u) << line;
        EXPECT_EQ(line.substr(tab + 1), SpellPhonetically(line.substr(0, tab)).Viewed());
    }
}

TEST_F(GenerateCommandTest, BadOptionsAreUsageErrors) {
    EXPECT_CLI_FAILURE(m_cli.Run({"generate", "--type", "Symbols"}), 64,
                       "--type takes numbers, hex, letters, mixed, symbols, not \"Symbols\"");
    EXPECT_CLI_FAILURE(m_cli.Run({"generate", "--case", "Lower"}), 64, "--case takes lower, upper, mixed");
    EXPECT_CLI_FAILURE(m_cli.Run({"generate", "--length", "0"}), 64, "--length must be a whole number from 1 to 4096");
    EXPECT_CLI_FAILURE(m_cli.Run({"generate", "--count", "10001"}), 64, "--count must be a whole number from 1 to");
    EXPECT_CLI_FAILURE(m_cli.Run({"generate", "extra"}), 64, "unexpected argument \"extra\"");
}
