#pragma once

#include "autofill/TemplateMatch.h"
#include "autofill/TemplateProgram.h"
#include "autofill/TemplateRegexError.h"

#include <cstdint>
#include <string_view>

namespace vaultlet {

// A window-template regular expression: braces mark match groups, parentheses only group, "!"
// negates the following piece, backslash letters stand for predefined classes, "^" first and "$"
// last anchor. Compiled once, matched against many window descriptions.
class TemplateRegex {
public:
    // Enough for any real window description many times over (well below a second of work), and
    // small enough that a pathological pattern gives up before the user notices a hang.
    static constexpr std::uint64_t kDefaultStepBudget = 20'000'000;

    TemplateRegex() = default;

    // Compiles the pattern; without caseSensitive both the pattern and every input are lower-cased
    // (C runtime, current locale) before use. Returns the first error met (kTemplateSuccess when the
    // pattern is usable); after an error nothing matches.
    TemplateRegexError Compile(std::string_view pattern, bool caseSensitive);

    // True when the pattern matches somewhere in the input (the earliest start position wins);
    // fills the result with positions in the caller's text. False also when the pattern is not
    // compiled, the input is too long to index, or matching used up the step budget.
    bool Match(std::string_view input, TemplateMatch& result) const;

    int GroupCount() const noexcept { return m_program.groupCount; }
    TemplateRegexError LastError() const noexcept { return m_error; }
    bool IsCompiled() const noexcept { return m_error == kTemplateSuccess && !m_program.code.empty(); }

    // Steps (instructions executed plus backtracking steps) one Match may spend over all start
    // positions before it ends as "no match".
    void SetStepBudget(std::uint64_t steps) noexcept { m_stepBudget = steps; }

private:
    TemplateProgram m_program;
    bool m_caseSensitive = true;
    TemplateRegexError m_error = kTemplateNoPattern;
    std::uint64_t m_stepBudget = kDefaultStepBudget;
};

} // namespace vaultlet
