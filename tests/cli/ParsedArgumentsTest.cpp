#include "cli/ParsedArguments.h"

#include "tests/cli/UsageError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vaultlet;

namespace {

constexpr OptionSpec kOptions[] = {{"name", true}, {"force", false}, {"count", true}};

ParsedArguments Parse(const std::vector<std::string_view>& arguments) {
    return ParsedArguments::Parse(arguments, kOptions);
}

// The message of the usage error the arguments cause, or "" when they parse.
std::string UsageErrorOf(const std::vector<std::string_view>& arguments) {
    return test::UsageErrorOf([&] { Parse(arguments); });
}

} // namespace

// A value may be empty, contain "=", start with a dash or look like an option; "-" alone and
// everything after "--" are positional.
TEST(ParsedArgumentsTest, OptionsStandAnywhereAndTakeTheirValueInEitherForm) {
    const ParsedArguments parsed = Parse({"--force", "a.kvtdat", "--name=x=y", "--count", "--force", "-", "--", "--x"});
    ASSERT_EQ(parsed.PositionalCount(), 3u);
    EXPECT_EQ(parsed.Positional(0), "a.kvtdat");
    EXPECT_EQ(parsed.Positional(1), "-");
    EXPECT_EQ(parsed.Positional(2), "--x");
    EXPECT_TRUE(parsed.Has("force"));
    EXPECT_EQ(parsed.Value("name"), "x=y");
    EXPECT_EQ(parsed.Value("count"), "--force");
    EXPECT_FALSE(parsed.Value("missing").has_value());
    EXPECT_EQ(Parse({"--name="}).Value("name"), "");
    EXPECT_FALSE(Parse({"--", "--force"}).Has("force"));
}

TEST(ParsedArgumentsTest, MistakesAreUsageErrorsThatNameTheOption) {
    EXPECT_EQ(UsageErrorOf({"--unknown"}), "unknown option --unknown");
    EXPECT_EQ(UsageErrorOf({"-f"}), "unknown option -f");
    EXPECT_EQ(UsageErrorOf({"--force", "--force"}), "option --force given twice");
    EXPECT_EQ(UsageErrorOf({"--name", "a", "--name=b"}), "option --name given twice");
    EXPECT_EQ(UsageErrorOf({"file", "--name"}), "option --name needs a value");
    EXPECT_EQ(UsageErrorOf({"--force=yes"}), "option --force takes no value");
    EXPECT_EQ(UsageErrorOf({"--name", "x", "file"}), "");
}

TEST(ParsedArgumentsTest, NumbersMustBeWholeAndWithinTheBounds) {
    const auto number = [](std::string_view text) {
        const std::vector<std::string_view> arguments = {"--count", text};
        return Parse(arguments).Number("count", 7, 1, 1000000);
    };
    EXPECT_EQ(Parse({}).Number("count", 7, 1, 1000000), 7u);
    EXPECT_EQ(number("1"), 1u);
    EXPECT_EQ(number("1000000"), 1000000u);
    EXPECT_EQ(number("0042"), 42u);
    for (const std::string_view bad :
         {"0", "1000001", "", "-1", "+1", "1x", " 1", "1.5", "4294967297", "99999999999"}) {
        EXPECT_EQ(test::UsageErrorOf([&] { number(bad); }), "--count must be a whole number from 1 to 1000000") << bad;
    }
}
