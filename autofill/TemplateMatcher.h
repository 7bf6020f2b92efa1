#pragma once

#include "autofill/TemplateMatch.h"
#include "autofill/TemplateProgram.h"

#include <cstdint>
#include <string_view>

namespace vaultlet {

// Runs a compiled window template over one input by depth-first backtracking, with an explicit
// stack in the TemplateMatch. Every executed instruction and every backtracking step counts against
// a budget; when it is used up the match ends as "no match", so no pattern can hang the caller.
class TemplateMatcher {
public:
    TemplateMatcher(const TemplateProgram& program, std::string_view input, TemplateMatch& match,
                    std::uint64_t stepBudget) noexcept;

    // Tries each start position in turn (only the first for an anchored program); true at the first
    // one where the program reaches its match step. Fills the match either way.
    bool Run();

private:
    enum class Outcome { Matched, Failed, Exhausted };

    Outcome RunAt(int start);
    bool Execute(const TemplateInstruction& instruction, std::int32_t& pc, std::int32_t& pos);
    bool MatchBackReference(int group, std::int32_t& pos) const noexcept;
    bool Push(TemplateMatch::EntryKind kind, std::int32_t pc, std::int32_t pos);
    bool SetSlot(std::size_t slot, int value);
    // Pops entries, undoing group records, until a resume point; false when none is left.
    bool Backtrack(std::int32_t& pc, std::int32_t& pos);
    // The negated piece matched: throw away its alternatives and undo its records.
    void CutNegation() noexcept;
    bool Spend() noexcept;

    const TemplateProgram& m_program;
    std::string_view m_input;
    TemplateMatch& m_match;
    std::uint64_t m_budget;
    bool m_exhausted = false;
};

} // namespace vaultlet
