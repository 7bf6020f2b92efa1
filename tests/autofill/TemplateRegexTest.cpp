#include "autofill/TemplateRegex.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace vaultlet;

namespace {

// `count` copies of `c` followed by `tail`.
std::string Repeated(char c, std::size_t count, std::string_view tail) {
    std::string text(count, c);
    text.append(tail);
    return text;
}

// Compiles and matches: the whole match, or "!" when there is none; for an expectation written as
// "[...]" the match groups instead, each in brackets, "-" for a group that took no part.
std::string Describe(std::string_view pattern, std::string_view input, bool caseSensitive, bool groups) {
    TemplateRegex regex;
    EXPECT_EQ(regex.Compile(pattern, caseSensitive), kTemplateSuccess);
    TemplateMatch match;
    if (!regex.Match(input, match)) {
        return "!";
    }
    if (!groups) {
        return std::string(match.Whole().In(input));
    }
    std::string described;
    for (int i = 0; i < match.GroupCount(); ++i) {
        const TemplateSpan span = match.Group(i);
        described += "[" + (span.start < 0 ? "-" : std::string(span.In(input))) + "]";
    }
    return described;
}

std::string Whole(std::string_view pattern, std::string_view input) {
    return Describe(pattern, input, true, false);
}

int CompileError(std::string_view pattern) {
    TemplateRegex regex;
    return regex.Compile(pattern, true);
}

} // namespace

TEST(TemplateRegexTest, MatchesAndGroups) {
    const struct {
        std::string_view pattern;
        std::string_view input;
        std::string_view expected;
        bool caseSensitive = true;
    } cases[] = {
        // Without case sensitivity the match reports the caller's text.
        {"x{.+}y", "AxBBy", "[BB]", false},
        {"X{.+}Y", "axbby", "[bb]", false},
        {"x{.+}y", "AXBBY", "!"},
        // Sets and abbreviations written in upper case act on both cases once lower-cased.
        {"[A-C]+", "zzAbCd", "AbC", false},
        {"\\W", "12 Hello", "Hello", false},
        // Groups are numbered by their opening braces and report the path that won.
        {"{a+}{b*}", "aab", "[aa][b]"},
        {"{{a}{b}}c", "xabc", "[ab][a][b]"},
        // A repeated group reports its last iteration.
        {"({[a-z]}[0-9])+", "a1b2c3", "[c]"},
        // An iteration that fails half-way does not overwrite what the last complete one captured.
        {"({a}b)*", "ababac", "[a]"},
        // A group that took no part reports an empty span; an empty group is allowed.
        {"{x}|{y}", "y", "[-][y]"},
        {"a{}b", "ab", "[]"},
        {"a()b", "ab", "ab"},
        // Groups inside an abandoned alternative are undone.
        {"{a}x|a{b}", "ab", "[-][b]"},
        {"<{.*?}>", "<a><b>", "[a]"},
        {"<{.*}>", "<a><b>", "[a><b]"},
        {"{a+?}", "aaa", "[a]"},
        {"{a+}", "aaa", "[aaa]"},
        {"{a?}a", "aa", "[a]"},
        {"{a??}a", "aa", "[]"},
        {"ab*c", "xacx", "ac"},
        {"ab+c", "xacx abbc", "abbc"},
        // A quantifier with nothing before it stands for itself.
        {"*a", "b*a", "*a"},
        {"x|+", "a+", "+"},
        // Alternatives are tried left to right.
        {"{a|ab}", "abc", "[a]"},
        {"{a|ab}c", "abc", "[ab]"},
        {"a|", "b", ""},
        {"^b", "ab", "!"},
        {"^a", "ab", "a"},
        {"a$", "ab", "!"},
        {"a$", "ba", "a"},
        // Elsewhere they are ordinary characters, and an escaped "$" is always one.
        {"a^b", "a^b", "a^b"},
        {"$a", "x$a", "$a"},
        {"a\\$", "a$", "a$"},
        // A pattern that can match the empty text matches an empty input and at the end of an input.
        {"^$", "", ""},
        {"^$", "a", "!"},
        {"b*$", "abb", "bb"},
        {"a!b", "ab", "!"},
        {"a!b", "ac", "a"},
        {"(!x.)+", "abxcd", "ab"},
        // A double negation is a look-ahead: the piece must match here, but nothing is consumed.
        {"!!a.", "ba", "a"},
        {"!!ab", "ab", "!"},
        // Groups inside a negated piece never report.
        {"!{x}.", "a", "[-]"},
        // A mark with nothing to negate stands for itself.
        {"a!", "a!", "a!"},
        {"{.}\\0", "abccd", "cc"},
        // Across alternatives: the reference sees what was captured on the current path only.
        {"({a}|b{.})=\\1", "bc=c", "bc=c"},
        {"({a}|b{.})=\\1", "bc=d", "!"},
        // A group that took no part in the current path matches the empty text.
        {"({a}|{b})-\\1", "a-b b-b", "[a][-]"},
        // An empty capture referred to in an empty input (a view without data) matches.
        {"({})?\\0", std::string_view(), ""},
        // Twelve groups: a two-digit reference.
        {"{a}{b}{c}{d}{e}{f}{g}{h}{i}{j}{k}{l}\\11", "abcdefghijkll", "abcdefghijkll"},
        {"{[a-z]+}=\\0", "ab=abc", "ab=ab"},
        {"{[a-z]+}=\\0", "ab=a", "!"},
        {"[b-d]+", "abcde", "bcd"},
        {"[^b-d]+", "bcaxd", "ax"},
        {"x[^a]", "x", "!"}, // the end of the input is not "any other character"
        {"[\\]\\-]+", "a]-]b", "]-]"},
        {"[\\t]", "a\tb", "\t"},
        {"[a-c-e]+", "-ace-", "-ace-"},
        {"[\x80-\xff]+", "ab\xe9\xff", "\xe9\xff"},
        {"a.c", "a\nc", "a\nc"},
        // Outside a set a backslash takes the next character literally.
        {"\\t", "tab", "t"},
        {"\\{\\.\\}", "{.}", "{.}"},
        {"a\\", "a\\", "a\\"},
        {"\\a+", "--aZ9--", "aZ9"},
        {"x\\by", "x\ty x y", "x\ty"},
        {"\\c+", "12abXY3", "abXY"},
        {"\\d+", "abc123", "123"},
        {"\\h+", "xyzBEEF12g", "BEEF12"},
        {"a\\nb", "a\r\nb", "a\r\nb"},
        {"a\\nb", "a\rb", "a\rb"},
        {"a\\nb", "a\nb", "a\nb"},
        {"a\\nb", "a\n\rb", "!"},
        {"\\q", "say \"hi there\" now", "\"hi there\""},
        {"\\q", "it's 'quoted'", "'s '"},
        {"\\q", "\"open", "!"},
        {"\\w", "12 word3", "word"},
        {"\\z", "ab 0042x", "0042"},
        // An abbreviation is one base: a quantifier repeats all of it.
        {"(\\q,)+", "'a',\"b\",c", "'a',\"b\","},
        // The letters are case-sensitive: an upper-case letter is literal in case-sensitive mode.
        {"\\D", "1D", "D"},
        // A stray closer ends the pattern.
        {"ab)cd", "xabx", "ab"},
        {"ab}cd", "xabx", "ab"},
        {"a|b)c", "b", "b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pattern << " on " << c.input);
        EXPECT_EQ(Describe(c.pattern, c.input, c.caseSensitive, c.expected.starts_with('[')), c.expected);
    }
    // The spans are positions in the caller's text.
    TemplateRegex regex;
    ASSERT_EQ(regex.Compile("{a+}", false), kTemplateSuccess);
    TemplateMatch match;
    ASSERT_TRUE(regex.Match("xxAaAy", match));
    EXPECT_EQ(match.Whole().start, 2);
    EXPECT_EQ(match.Whole().end, 5);
}

TEST(TemplateRegexTest, EveryCompilationError) {
    EXPECT_EQ(CompileError("{a"), kTemplateUnclosedMatchGroup);
    EXPECT_EQ(CompileError("{a)"), kTemplateUnclosedMatchGroup);
    EXPECT_EQ(CompileError("(a"), kTemplateUnclosedGroup);
    EXPECT_EQ(CompileError("(a}"), kTemplateUnclosedGroup);
    EXPECT_EQ(CompileError("[ab"), kTemplateUnclosedSet);
    EXPECT_EQ(CompileError("[a-"), kTemplateUnclosedSet);
    EXPECT_EQ(CompileError("[a\\"), kTemplateUnclosedSet);
    EXPECT_EQ(CompileError("[]"), kTemplateEmptySet);
    EXPECT_EQ(CompileError("[^]"), kTemplateEmptySet);
    EXPECT_EQ(CompileError("\\0{x}"), kTemplateBadBackReference);
    EXPECT_EQ(CompileError("{x}\\1"), kTemplateBadBackReference);
    EXPECT_EQ(CompileError("{x}\\99999999999999999999"), kTemplateBadBackReference);
    EXPECT_EQ(CompileError("[b-a]"), kTemplateBadRange);
    EXPECT_EQ(CompileError("(a*)*"), kTemplateEmptyRepetition);
    EXPECT_EQ(CompileError("(a?)+"), kTemplateEmptyRepetition);
    EXPECT_EQ(CompileError("(a|)*"), kTemplateEmptyRepetition);
    EXPECT_EQ(CompileError("{}*"), kTemplateEmptyRepetition);
    EXPECT_EQ(CompileError("(!a)+"), kTemplateEmptyRepetition);
    EXPECT_EQ(CompileError("{a}\\0*"), kTemplateEmptyRepetition);
    EXPECT_EQ(CompileError("a**"), kTemplateEmptyRepetition);
    EXPECT_EQ(CompileError(""), kTemplateNoPattern);
    // Allowed: optional empty things, and repeating something that always consumes.
    EXPECT_EQ(CompileError("(a*)?"), kTemplateSuccess);
    EXPECT_EQ(CompileError("(a*b)+"), kTemplateSuccess);
    EXPECT_EQ(CompileError("{x}\\0"), kTemplateSuccess);
    EXPECT_EQ(CompileError("{x\\0}"), kTemplateSuccess);
    EXPECT_EQ(CompileError("[a-a]"), kTemplateSuccess);
    EXPECT_EQ(CompileError("ab)[unclosed"), kTemplateSuccess); // a stray closer ends the pattern
    // The first error met is the one reported.
    EXPECT_EQ(CompileError("[b-a](x"), kTemplateBadRange);
}

TEST(TemplateRegexTest, AFailedCompilationLeavesNothingToMatch) {
    TemplateRegex regex;
    ASSERT_EQ(regex.Compile("a", true), kTemplateSuccess);
    EXPECT_EQ(regex.Compile("(a", true), kTemplateUnclosedGroup);
    EXPECT_EQ(regex.LastError(), kTemplateUnclosedGroup);
    TemplateMatch match;
    EXPECT_FALSE(regex.Match("a", match));
    // Compiling again replaces the program.
    ASSERT_EQ(regex.Compile("{a}", true), kTemplateSuccess);
    ASSERT_EQ(regex.Compile("b", true), kTemplateSuccess);
    EXPECT_TRUE(regex.Match("b", match));
    EXPECT_EQ(match.GroupCount(), 0);
    TemplateRegex never;
    EXPECT_FALSE(never.Match("", match));
}

TEST(TemplateRegexTest, DeepNestingIsRefusedInsteadOfExhaustingTheStack) {
    const std::string deep = Repeated('(', 5000, "a") + std::string(5000, ')');
    EXPECT_EQ(CompileError(deep), kTemplateOutOfMemory);
    EXPECT_EQ(CompileError(Repeated('!', 5000, "a")), kTemplateOutOfMemory);
    const std::string fine = Repeated('(', 50, "a") + std::string(50, ')');
    EXPECT_EQ(Whole(fine, "xa"), "a");
    // The depth is that of the nesting, not the number of groups and negations one after another.
    std::string many;
    for (int i = 0; i < 300; ++i) {
        many += "(a!b)";
    }
    EXPECT_EQ(Whole(many, std::string(300, 'a')), std::string(300, 'a'));
}

TEST(TemplateRegexTest, StepBudgetEndsPathologicalMatchesAsNoMatch) {
    TemplateRegex regex;
    ASSERT_EQ(regex.Compile("(a|a)+b", true), kTemplateSuccess);
    TemplateMatch match;
    // Without a limit this would try 2^40 paths at the first start position alone.
    EXPECT_FALSE(regex.Match(std::string(40, 'a'), match));
    EXPECT_TRUE(match.BudgetExhausted());
    // The same pattern still matches where a match is found early, with the default budget.
    EXPECT_TRUE(regex.Match(Repeated('a', 40, "b"), match));
    EXPECT_FALSE(match.BudgetExhausted());

    // A long description with the built-in ".+" shape stays well inside the default budget.
    TemplateRegex window;
    ASSERT_EQ(window.Compile("Static:{.+}:Edit:FOCUSED", false), kTemplateSuccess);
    const std::string description = Repeated('x', 4000, ":Static:key:Edit:FOCUSED:") + std::string(4000, 'y');
    ASSERT_TRUE(window.Match(description, match));
    EXPECT_EQ(match.Group(0).In(description), "key");

    // A smaller budget turns a match that needs more steps into "no match".
    regex.SetStepBudget(100);
    EXPECT_FALSE(regex.Match(Repeated('a', 40, "b"), match));
    EXPECT_TRUE(match.BudgetExhausted());
}

TEST(TemplateRegexTest, AMatchObjectCanBeReusedAcrossPatternsAndInputs) {
    TemplateRegex two;
    TemplateRegex one;
    ASSERT_EQ(two.Compile("{a}{b}", true), kTemplateSuccess);
    ASSERT_EQ(one.Compile("{c}", true), kTemplateSuccess);
    TemplateMatch match;
    ASSERT_TRUE(two.Match("ab", match));
    EXPECT_EQ(match.GroupCount(), 2);
    ASSERT_TRUE(one.Match("xc", match));
    EXPECT_EQ(match.GroupCount(), 1);
    EXPECT_EQ(match.Group(0).start, 1);
    EXPECT_TRUE(match.Group(1).Empty());
    EXPECT_FALSE(two.Match("ba", match));
    EXPECT_EQ(match.Whole().start, -1);
}
