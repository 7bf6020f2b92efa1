#include "autofill/TemplateMatcher.h"

#include <algorithm>
#include <cstring>

namespace vaultlet {
namespace {

// The backtracking stack may not outgrow this many entries (48 MB); a pattern that needs more is
// treated like one that runs out of steps.
constexpr std::size_t kMaxStackEntries = std::size_t{1} << 22;

} // namespace

TemplateMatcher::TemplateMatcher(const TemplateProgram& program, std::string_view input, TemplateMatch& match,
                                 std::uint64_t stepBudget) noexcept
    : m_program(program), m_input(input), m_match(match), m_budget(stepBudget) {}

bool TemplateMatcher::Run() {
    m_match.Reset(m_program.groupCount);
    const int length = static_cast<int>(m_input.size());
    const int lastStart = m_program.anchored ? 0 : length;
    for (int start = 0; start <= lastStart; ++start) {
        switch (RunAt(start)) {
        case Outcome::Matched:
            return true;
        case Outcome::Exhausted:
            m_match.Reset(m_program.groupCount);
            m_match.m_budgetExhausted = true;
            return false;
        case Outcome::Failed:
            break;
        }
    }
    m_match.Reset(m_program.groupCount);
    return false;
}

TemplateMatcher::Outcome TemplateMatcher::RunAt(int start) {
    m_match.m_stack.clear();
    std::fill(m_match.m_slots.begin(), m_match.m_slots.end(), -1);
    std::int32_t pc = 0;
    std::int32_t pos = start;
    for (;;) {
        if (!Spend()) {
            return Outcome::Exhausted;
        }
        const TemplateInstruction& instruction = m_program.code[static_cast<std::size_t>(pc)];
        if (instruction.op == TemplateOp::Match) {
            m_match.m_whole = TemplateSpan{start, pos};
            return Outcome::Matched;
        }
        if (!Execute(instruction, pc, pos) && !Backtrack(pc, pos)) {
            return m_exhausted ? Outcome::Exhausted : Outcome::Failed;
        }
    }
}

bool TemplateMatcher::Execute(const TemplateInstruction& instruction, std::int32_t& pc, std::int32_t& pos) {
    const bool more = static_cast<std::size_t>(pos) < m_input.size();
    const auto next = more ? static_cast<unsigned char>(m_input[static_cast<std::size_t>(pos)]) : 0u;
    switch (instruction.op) {
    case TemplateOp::Char:
        if (!more || next != static_cast<unsigned>(instruction.a)) {
            return false;
        }
        ++pos;
        break;
    case TemplateOp::Any:
        if (!more) {
            return false;
        }
        ++pos;
        break;
    case TemplateOp::Set:
        if (!more || !m_program.sets[static_cast<std::size_t>(instruction.a)].test(next)) {
            return false;
        }
        ++pos;
        break;
    case TemplateOp::Split:
        if (!Push(TemplateMatch::EntryKind::Choice, pc + instruction.b, pos)) {
            return false;
        }
        pc += instruction.a;
        return true;
    case TemplateOp::Jump:
        pc += instruction.a;
        return true;
    case TemplateOp::GroupStart:
        if (!SetSlot(static_cast<std::size_t>(instruction.a) * 2, pos) ||
            !SetSlot(static_cast<std::size_t>(instruction.a) * 2 + 1, -1)) {
            return false;
        }
        break;
    case TemplateOp::GroupEnd:
        if (!SetSlot(static_cast<std::size_t>(instruction.a) * 2 + 1, pos)) {
            return false;
        }
        break;
    case TemplateOp::BackReference:
        if (!MatchBackReference(instruction.a, pos)) {
            return false;
        }
        break;
    case TemplateOp::EndOfInput:
        if (more) {
            return false;
        }
        break;
    case TemplateOp::NotBegin:
        if (!Push(TemplateMatch::EntryKind::Negation, pc + instruction.a, pos)) {
            return false;
        }
        break;
    case TemplateOp::NotEnd:
        CutNegation();
        return false;
    case TemplateOp::Match:
        break;
    }
    ++pc;
    return true;
}

bool TemplateMatcher::MatchBackReference(int group, std::int32_t& pos) const noexcept {
    const int start = m_match.m_slots[static_cast<std::size_t>(group) * 2];
    const int end = m_match.m_slots[static_cast<std::size_t>(group) * 2 + 1];
    if (start < 0 || end <= start) {
        // Nothing captured on this path, or an empty capture: the reference matches the empty
        // text. Returning here also keeps memcmp away from the null data of an empty input.
        return true;
    }
    const auto length = static_cast<std::size_t>(end - start);
    if (m_input.size() - static_cast<std::size_t>(pos) < length) {
        return false;
    }
    if (std::memcmp(m_input.data() + start, m_input.data() + pos, length) != 0) {
        return false;
    }
    pos += static_cast<std::int32_t>(length);
    return true;
}

bool TemplateMatcher::Push(TemplateMatch::EntryKind kind, std::int32_t pc, std::int32_t pos) {
    if (m_match.m_stack.size() >= kMaxStackEntries) {
        m_exhausted = true;
        return false;
    }
    m_match.m_stack.push_back(TemplateMatch::BacktrackEntry{kind, pc, pos});
    return true;
}

bool TemplateMatcher::SetSlot(std::size_t slot, int value) {
    if (!Push(TemplateMatch::EntryKind::Restore, static_cast<std::int32_t>(slot), m_match.m_slots[slot])) {
        return false;
    }
    m_match.m_slots[slot] = value;
    return true;
}

bool TemplateMatcher::Backtrack(std::int32_t& pc, std::int32_t& pos) {
    auto& stack = m_match.m_stack;
    while (!m_exhausted && !stack.empty()) {
        const TemplateMatch::BacktrackEntry entry = stack.back();
        stack.pop_back();
        if (!Spend()) {
            return false;
        }
        if (entry.kind == TemplateMatch::EntryKind::Restore) {
            m_match.m_slots[static_cast<std::size_t>(entry.pc)] = entry.pos;
            continue;
        }
        // A choice resumes its other branch; a negation whose piece failed everywhere succeeds and
        // resumes after the piece at the position where it began.
        pc = entry.pc;
        pos = entry.pos;
        return true;
    }
    return false;
}

void TemplateMatcher::CutNegation() noexcept {
    auto& stack = m_match.m_stack;
    while (!stack.empty()) {
        const TemplateMatch::BacktrackEntry entry = stack.back();
        stack.pop_back();
        if (entry.kind == TemplateMatch::EntryKind::Negation) {
            return;
        }
        if (entry.kind == TemplateMatch::EntryKind::Restore) {
            m_match.m_slots[static_cast<std::size_t>(entry.pc)] = entry.pos;
        }
    }
}

bool TemplateMatcher::Spend() noexcept {
    if (m_budget == 0) {
        m_exhausted = true;
        return false;
    }
    --m_budget;
    return true;
}

} // namespace vaultlet
