#pragma once

#include "autofill/TemplateProgram.h"
#include "autofill/TemplateRegexError.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace vaultlet {

// Turns one window-template pattern into a TemplateProgram by recursive descent. Each parsing step
// produces a self-contained piece of code (relative jumps only) together with whether it can match
// the empty text, which decides error 9 for "*" and "+".
class TemplateRegexCompiler {
public:
    // The pattern must already be lower-cased when the program is to match case-insensitively.
    TemplateRegexCompiler(std::string_view pattern, TemplateProgram& program);

    // Fills the program (instructions, sets, group count, anchoring) and returns the first error met.
    // On an error the program is unusable.
    TemplateRegexError Compile();

private:
    struct Fragment {
        std::vector<TemplateInstruction> code;
        bool nullable = true;
    };

    // Compiles the text of a backslash abbreviation as one expression into the same program.
    TemplateRegexCompiler(std::string_view expansion, TemplateProgram& program, int depth);

    bool ParseAlternation(Fragment& out);
    bool ParseConcatenation(Fragment& out);
    bool ParsePiece(Fragment& out);
    bool ParseQuantifiers(Fragment& piece);
    bool ParseBase(Fragment& out);
    bool ParseBracketed(Fragment& out, char closer, TemplateRegexError unclosed, int group);
    bool ParseNegation(Fragment& out);
    bool ParseSet(Fragment& out);
    bool ParseSetCharacter(unsigned char& out);
    bool ParseEscape(Fragment& out);
    bool ParseBackReference(Fragment& out);
    bool ParseAbbreviation(std::string_view expansion, Fragment& out);

    bool AtEnd() const noexcept { return m_pos >= m_pattern.size(); }
    char Peek() const noexcept { return m_pattern[m_pos]; }
    bool AtExpressionEnd() const noexcept;
    bool Fail(TemplateRegexError error) noexcept;
    bool Enter();
    void Leave() noexcept { --m_depth; }

    static void Append(std::vector<TemplateInstruction>& code, TemplateOp op, std::int32_t a = 0, std::int32_t b = 0);
    static void Splice(std::vector<TemplateInstruction>& code, const std::vector<TemplateInstruction>& piece);
    static std::int32_t Length(const Fragment& fragment);

    std::string_view m_pattern;
    TemplateProgram& m_program;
    std::size_t m_pos = 0;
    int m_depth = 0;
    bool m_topLevel = true;
    TemplateRegexError m_error = kTemplateSuccess;
};

} // namespace vaultlet
