#include "cli/GenerateCommand.h"

#include "autofill/PasswordGeneratorRules.h"
#include "tests/cli/CliFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

using namespace vaultlet;
using test::ProcessResult;

namespace {

constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kUpper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kLower = "abcdefghijklmnopqrstuvwxyz";

// The characters of the pieces, less those easily mistaken for others unless they are allowed.
std::set<char> Characters(std::initializer_list<std::string_view> pieces, bool similarToo = false) {
    std::set<char> characters;
    for (const std::string_view piece : pieces) {
        for (const char c : piece) {
            if (similarToo || (PasswordGeneratorRules::kSimilarCharacters.find(c) == std::string_view::npos &&
                               PasswordGeneratorRules::kSimilarSymbols.find(c) == std::string_view::npos)) {
                characters.insert(c);
            }
        }
    }
    return characters;
}

class GenerateCommandTest : public test::CliFixture {
protected:
    std::vector<std::string> Lines(const std::vector<std::string>& arguments) {
        std::vector<std::string> all = {"generate"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        const ProcessResult run = RunPlain(all);
        EXPECT_EQ(run.status, 0) << run.err;
        std::vector<std::string> lines;
        std::istringstream in(run.out);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }
};

} // namespace

// Two hundred passwords draw every character the options allow, and only those.
TEST_F(GenerateCommandTest, OptionsChooseTheCharactersAndTheLength) {
    const struct {
        std::vector<std::string> options;
        std::set<char> characters;
        std::size_t length;
    } cases[] = {
        {{}, Characters({kDigits, kUpper, kLower}), 10},
        {{"--type", "numbers", "--length", "6"}, Characters({kDigits}), 6},
        {{"--type", "hex", "--case", "lower"}, Characters({kDigits, "abcdef"}), 10},
        {{"--type", "letters", "--case", "upper"}, Characters({kUpper}), 10},
        {{"--type", "symbols", "--case", "lower"}, Characters({kDigits, kLower, PasswordGeneratorRules::kSymbols}), 10},
        {{"--type", "numbers", "--allow-similar", "--length", "20"}, Characters({kDigits}, true), 20},
        {{"--type", "numbers", "--allow-repeats", "--length", "200"}, Characters({kDigits}), 200},
    };
    for (const auto& each : cases) {
        std::vector<std::string> arguments = each.options;
        arguments.insert(arguments.end(), {"--count", "200"});
        const std::vector<std::string> lines = Lines(arguments);
        ASSERT_EQ(lines.size(), 200u);
        std::set<char> used;
        bool repeats = false;
        for (const std::string& password : lines) {
            EXPECT_EQ(password.size(), each.length) << password;
            used.insert(password.begin(), password.end());
            repeats |= std::adjacent_find(password.begin(), password.end()) != password.end();
        }
        EXPECT_EQ(used, each.characters) << lines[0];
        // The generator's rules keep a character from coming back within six unless repeats are allowed.
        EXPECT_EQ(repeats, std::ranges::count(each.options, "--allow-repeats") == 1) << lines[0];
    }
    EXPECT_EQ(Lines({}).size(), 1u);
    EXPECT_EQ(Lines({"--length", "4096"})[0].size(), 4096u);
}
