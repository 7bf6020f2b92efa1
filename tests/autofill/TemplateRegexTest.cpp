#include "autofill/TemplateRegex.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace vaultlet;

namespace {

// Compiles without case sensitivity and matches: the match groups, each in brackets, or "!" when
// there is no match. The templates' captures are what the program reads of a match.
std::string Describe(std::string_view pattern, std::string_view input) {
    TemplateRegex regex;
    EXPECT_EQ(regex.Compile(pattern, false), kTemplateSuccess);
    TemplateMatch match;
    if (!regex.Match(input, match)) {
        return "!";
    }
    std::string described;
    for (int i = 0; i < match.GroupCount(); ++i) {
        const TemplateSpan span = match.Group(i);
        described += "[" + (span.start < 0 ? "-" : std::string(span.In(input))) + "]";
    }
    return described;
}

} // namespace

// The program compiles only its built-in window templates, without case sensitivity: an anchor,
// literal text, one match group and a negated set repeated with "+". Those pieces are checked here
// against descriptions other programs control; no other pattern is ever compiled (the fuzz target
// still runs arbitrary ones for crashes and hangs).
TEST(TemplateRegexTest, MatchesAndGroups) {
    const struct {
        std::string_view pattern;
        std::string_view input;
        std::string_view expected;
    } cases[] = {
        // Both the pattern and the input are lower-cased; the match reports the caller's text.
        {"x{.+}y", "AxBBy", "[BB]"},
        {"X{.+}Y", "axbby", "[bb]"},
        {"{[A-C]+}", "zzAbCd", "[AbC]"},
        {"^Key:{[^:]+}:Edit", "KEY:my key:edit:more", "[my key]"},
        {"^Key:{[^:]+}:Edit", "a Key:k:Edit", "!"},
        {"^Key:{[^:]+}:Edit", "Key::Edit", "!"},
        {"{[^b-d]+}", "bcaxd", "[ax]"},
        {"x[^a]", "x", "!"}, // the end of the input is not "any other character"
        // Bytes above 0x7F are characters like any other.
        {"^{[^:]+}:", "\xe9\xff:x", "[\xe9\xff]"},
        {"{ab+c}", "xacx abbc", "[abbc]"},
        // One row for each of the other operators of the language.
        {"{ab?c}", "xacx", "[ac]"},
        {"{a!b}", "ab ac", "[a]"},
        {"{a|b}{!!c.}", "bcd", "[b][c]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pattern << " on " << c.input);
        EXPECT_EQ(Describe(c.pattern, c.input), c.expected);
    }
}

TEST(TemplateRegexTest, StepBudgetEndsPathologicalMatchesAsNoMatch) {
    TemplateRegex regex;
    ASSERT_EQ(regex.Compile("(a|a)+b", true), kTemplateSuccess);
    TemplateMatch match;
    // Without a limit this would try 2^40 paths at the first start position alone.
    EXPECT_FALSE(regex.Match(std::string(40, 'a'), match));
    // The same pattern still matches where a match is found early, with the default budget.
    EXPECT_TRUE(regex.Match(std::string(40, 'a') + "b", match));

    // A long description with the built-in ".+" shape stays well inside the default budget.
    TemplateRegex window;
    ASSERT_EQ(window.Compile("Static:{.+}:Edit:FOCUSED", false), kTemplateSuccess);
    const std::string description = std::string(4000, 'x') + ":Static:key:Edit:FOCUSED:" + std::string(4000, 'y');
    ASSERT_TRUE(window.Match(description, match));
    EXPECT_EQ(match.Group(0).In(description), "key");
}
