#include "autofill/TemplateRegex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vaultlet;

namespace {

// `count` copies of `c` followed by `tail`.
std::string Repeated(char c, std::size_t count, std::string_view tail) {
    std::string text(count, c);
    text.append(tail);
    return text;
}

// Compiles and matches; "-" stands for a match group that took no part, "!" for no match at all.
std::vector<std::string> Groups(std::string_view pattern, std::string_view input, bool caseSensitive = true) {
    TemplateRegex regex;
    EXPECT_EQ(regex.Compile(pattern, caseSensitive), kTemplateSuccess) << pattern;
    TemplateMatch match;
    if (!regex.Match(input, match)) {
        return {"!"};
    }
    std::vector<std::string> groups;
    for (int i = 0; i < match.GroupCount(); ++i) {
        const TemplateSpan span = match.Group(i);
        groups.push_back(span.start < 0 ? "-" : std::string(span.In(input)));
    }
    return groups;
}

// The text of the whole match, or "!" when there is none.
std::string Whole(std::string_view pattern, std::string_view input, bool caseSensitive = true) {
    TemplateRegex regex;
    EXPECT_EQ(regex.Compile(pattern, caseSensitive), kTemplateSuccess) << pattern;
    TemplateMatch match;
    return regex.Match(input, match) ? std::string(match.Whole().In(input)) : "!";
}

int CompileError(std::string_view pattern) {
    TemplateRegex regex;
    return regex.Compile(pattern, true);
}

using Texts = std::vector<std::string>;

} // namespace

TEST(TemplateRegexTest, CaseInsensitiveMatchReportsTheCallersText) {
    EXPECT_EQ(Groups("x{.+}y", "AxBBy", false), Texts{"BB"});
    EXPECT_EQ(Groups("X{.+}Y", "axbby", false), Texts{"bb"});
    EXPECT_EQ(Groups("x{.+}y", "AXBBY", true), Texts{"!"});
    // Sets and abbreviations written in upper case act on both cases once lower-cased.
    EXPECT_EQ(Whole("[A-C]+", "zzAbCd", false), "AbC");
    EXPECT_EQ(Whole("\\W", "12 Hello", false), "Hello");
    TemplateRegex regex;
    regex.Compile("{a+}", false);
    TemplateMatch match;
    ASSERT_TRUE(regex.Match("xxAaAy", match));
    EXPECT_EQ(match.Whole().start, 2);
    EXPECT_EQ(match.Whole().end, 5);
    EXPECT_EQ(match.Group(0).In("xxAaAy"), "AaA");
}

TEST(TemplateRegexTest, GroupsAreNumberedByOpeningBraceAndReportTheWinningPath) {
    EXPECT_EQ(Groups("{a+}{b*}", "aab"), (Texts{"aa", "b"}));
    EXPECT_EQ(Groups("{{a}{b}}c", "xabc"), (Texts{"ab", "a", "b"}));
    // A repeated group reports its last iteration.
    EXPECT_EQ(Groups("({[a-z]}[0-9])+", "a1b2c3"), Texts{"c"});
    // An iteration that fails half-way does not overwrite what the last complete one captured.
    EXPECT_EQ(Groups("({a}b)*", "ababac"), Texts{"a"});
    // A group that took no part reports an empty span; an empty group is allowed.
    EXPECT_EQ(Groups("{x}|{y}", "y"), (Texts{"-", "y"}));
    EXPECT_EQ(Groups("a{}b", "ab"), Texts{""});
    EXPECT_EQ(Whole("a()b", "ab"), "ab");
    // Groups inside an abandoned alternative are undone.
    EXPECT_EQ(Groups("{a}x|a{b}", "ab"), (Texts{"-", "b"}));
}

TEST(TemplateRegexTest, LazyAndGreedyQuantifiers) {
    EXPECT_EQ(Groups("<{.*?}>", "<a><b>"), Texts{"a"});
    EXPECT_EQ(Groups("<{.*}>", "<a><b>"), Texts{"a><b"});
    EXPECT_EQ(Groups("{a+?}", "aaa"), Texts{"a"});
    EXPECT_EQ(Groups("{a+}", "aaa"), Texts{"aaa"});
    EXPECT_EQ(Groups("{a?}a", "aa"), Texts{"a"});
    EXPECT_EQ(Groups("{a??}a", "aa"), Texts{""});
    EXPECT_EQ(Whole("ab*c", "xacx"), "ac");
    EXPECT_EQ(Whole("ab+c", "xacx abbc"), "abbc");
    // A quantifier with nothing before it stands for itself.
    EXPECT_EQ(Whole("*a", "b*a"), "*a");
    EXPECT_EQ(Whole("x|+", "a+"), "+");
}

TEST(TemplateRegexTest, AlternativesAreTriedLeftToRight) {
    EXPECT_EQ(Groups("{ab|a}", "abc"), Texts{"ab"});
    EXPECT_EQ(Groups("{a|ab}", "abc"), Texts{"a"});
    EXPECT_EQ(Groups("{a|ab}c", "abc"), Texts{"ab"});
    EXPECT_EQ(Whole("cat|dog|bird", "a bird"), "bird");
    EXPECT_EQ(Whole("a|", "b"), "");
    EXPECT_EQ(Whole("(x|y)(1|2)", "-y2"), "y2");
}

TEST(TemplateRegexTest, Anchors) {
    EXPECT_EQ(Whole("^b", "ab"), "!");
    EXPECT_EQ(Whole("^a", "ab"), "a");
    EXPECT_EQ(Whole("a$", "ab"), "!");
    EXPECT_EQ(Whole("a$", "ba"), "a");
    // Elsewhere they are ordinary characters, and an escaped "$" is always one.
    EXPECT_EQ(Whole("a^b", "a^b"), "a^b");
    EXPECT_EQ(Whole("$a", "x$a"), "$a");
    EXPECT_EQ(Whole("a\\$", "a$"), "a$");
    // A pattern that can match the empty text matches an empty input and at the end of an input.
    EXPECT_EQ(Whole("^$", ""), "");
    EXPECT_EQ(Whole("^$", "a"), "!");
    EXPECT_EQ(Whole("b*$", "abb"), "bb");
}

TEST(TemplateRegexTest, NegationLooksAheadWithoutConsuming) {
    EXPECT_EQ(Whole("a!b", "ab"), "!");
    EXPECT_EQ(Whole("a!b", "ac"), "a");
    EXPECT_EQ(Whole("a!b", "a"), "a");
    EXPECT_EQ(Whole("(!x.)+", "abxcd"), "ab");
    // A double negation is a look-ahead: the piece must match here, but nothing is consumed.
    EXPECT_EQ(Whole("!!a.", "ba"), "a");
    EXPECT_EQ(Whole("!!a.", "bb"), "!");
    EXPECT_EQ(Whole("!!ab", "ab"), "!");
    // Groups inside a negated piece never report.
    EXPECT_EQ(Groups("!{x}.", "a"), Texts{"-"});
    // A mark with nothing to negate stands for itself.
    EXPECT_EQ(Whole("a!", "a!"), "a!");
}

TEST(TemplateRegexTest, BackReferences) {
    EXPECT_EQ(Whole("{.}\\0", "abccd"), "cc");
    EXPECT_EQ(Whole("{a|b}\\0", "abba"), "bb");
    // Across alternatives: the reference sees what was captured on the current path only.
    EXPECT_EQ(Whole("({a}|b{.})=\\1", "bc=c"), "bc=c");
    EXPECT_EQ(Whole("({a}|b{.})=\\1", "bc=d"), "!");
    // A group that took no part in the current path matches the empty text.
    EXPECT_EQ(Groups("({a}|{b})-\\1", "a-b b-b"), (Texts{"a", "-"}));
    // An empty capture referred to in an empty input (a view without data) matches.
    EXPECT_EQ(Whole("({})?\\0", std::string_view()), "");
    // Twelve groups: a two-digit reference.
    EXPECT_EQ(Whole("{a}{b}{c}{d}{e}{f}{g}{h}{i}{j}{k}{l}\\11", "abcdefghijkll"), "abcdefghijkll");
    EXPECT_EQ(Whole("{[a-z]+}=\\0", "ab=abc"), "ab=ab");
    EXPECT_EQ(Whole("{[a-z]+}=\\0", "ab=b"), "b=b");
    EXPECT_EQ(Whole("{[a-z]+}=\\0", "ab=a"), "!");
}

TEST(TemplateRegexTest, SetsRangesAndEscapes) {
    EXPECT_EQ(Whole("[b-d]+", "abcde"), "bcd");
    EXPECT_EQ(Whole("[^b-d]+", "bcaxd"), "ax");
    EXPECT_EQ(Whole("x[^a]", "x"), "!"); // the end of the input is not "any other character"
    EXPECT_EQ(Whole("[\\]\\-]+", "a]-]b"), "]-]");
    EXPECT_EQ(Whole("[\\t]", "a\tb"), "\t");
    EXPECT_EQ(Whole("[-a]+", "x-a-"), "-a-");
    EXPECT_EQ(Whole("[a-c-e]+", "-ace-"), "-ace-");
    EXPECT_EQ(Whole("[\x80-\xff]+", "ab\xe9\xff"), "\xe9\xff");
    EXPECT_EQ(Whole("..", "a"), "!");
    EXPECT_EQ(Whole("a.c", "a\nc"), "a\nc");
    // Outside a set a backslash takes the next character literally.
    EXPECT_EQ(Whole("\\t", "tab"), "t");
    EXPECT_EQ(Whole("\\{\\.\\}", "{.}"), "{.}");
    EXPECT_EQ(Whole("a\\", "a\\"), "a\\");
}

TEST(TemplateRegexTest, EveryAbbreviation) {
    EXPECT_EQ(Whole("\\a+", "--aZ9--"), "aZ9");
    EXPECT_EQ(Whole("x\\by", "x\ty x y"), "x\ty");
    EXPECT_EQ(Whole("\\c+", "12abXY3"), "abXY");
    EXPECT_EQ(Whole("\\d+", "abc123"), "123");
    EXPECT_EQ(Whole("\\h+", "xyzBEEF12g"), "BEEF12");
    EXPECT_EQ(Whole("a\\nb", "a\r\nb"), "a\r\nb");
    EXPECT_EQ(Whole("a\\nb", "a\rb"), "a\rb");
    EXPECT_EQ(Whole("a\\nb", "a\nb"), "a\nb");
    EXPECT_EQ(Whole("a\\nb", "a\n\rb"), "!");
    EXPECT_EQ(Whole("\\q", "say \"hi there\" now"), "\"hi there\"");
    EXPECT_EQ(Whole("\\q", "it's 'quoted'"), "'s '");
    EXPECT_EQ(Whole("\\q", "\"open"), "!");
    EXPECT_EQ(Whole("\\w", "12 word3"), "word");
    EXPECT_EQ(Whole("\\z", "ab 0042x"), "0042");
    // An abbreviation is one base: a quantifier repeats all of it.
    EXPECT_EQ(Whole("(\\q,)+", "'a',\"b\",c"), "'a',\"b\",");
    // The letters are case-sensitive: an upper-case letter is literal in case-sensitive mode.
    EXPECT_EQ(Whole("\\D", "1D"), "D");
}

TEST(TemplateRegexTest, StrayCloserEndsThePattern) {
    EXPECT_EQ(Whole("ab)cd", "xabx"), "ab");
    EXPECT_EQ(Whole("ab}cd", "xabx"), "ab");
    EXPECT_EQ(Whole("ab]cd", "xabx"), "ab");
    EXPECT_EQ(Whole("a|b)c", "b"), "b");
    EXPECT_EQ(CompileError("ab)[unclosed"), kTemplateSuccess);
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
    TemplateRegex never;
    EXPECT_FALSE(never.Match("", match));
}

TEST(TemplateRegexTest, DeepNestingIsRefusedInsteadOfExhaustingTheStack) {
    const std::string deep = Repeated('(', 5000, "a") + std::string(5000, ')');
    EXPECT_EQ(CompileError(deep), kTemplateOutOfMemory);
    EXPECT_EQ(CompileError(Repeated('!', 5000, "a")), kTemplateOutOfMemory);
    const std::string fine = Repeated('(', 50, "a") + std::string(50, ')');
    EXPECT_EQ(Whole(fine, "xa"), "a");
}

TEST(TemplateRegexTest, TheBuiltInWindowTemplatesCaptureTheirKeyNames) {
    EXPECT_EQ(Groups("#32770:Pageant: Enter Passphrase:Static:Enter passphrase for key:Static:{.+}:Edit:FOCUSED::"
                     "Button:O&K:Button:&Cancel",
                     "#32770:Pageant: Enter Passphrase:Static:Enter passphrase for key:Static:MyKey:Edit:FOCUSED::"
                     "Button:O&K:Button:&Cancel",
                     false),
              Texts{"MyKey"});
    EXPECT_EQ(
        Groups("QWidget:FOCUSED:{.+}: OpenPGP Passphrase", "QWidget:FOCUSED:Alice <a@b.c>: OpenPGP Passphrase", false),
        Texts{"Alice <a@b.c>"});
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
