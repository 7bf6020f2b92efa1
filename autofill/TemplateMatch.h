#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vaultlet {

// Where one match group (or the whole match) lies in the input: [start, end). A group that took no
// part in the match has start and end -1, an empty span.
struct TemplateSpan {
    int start = -1;
    int end = -1;

    bool Empty() const noexcept { return end <= start; }
    std::size_t Length() const noexcept { return Empty() ? 0 : static_cast<std::size_t>(end - start); }
    // The spanned part of the text the match ran on (empty for an empty span).
    std::string_view In(std::string_view text) const noexcept {
        return Empty() ? std::string_view() : text.substr(static_cast<std::size_t>(start), Length());
    }
};

// The result of matching a TemplateRegex: the whole match and every match group, as positions in
// the caller's text. It also owns the backtracking stack, so one match object reused for many
// inputs allocates only while the stack grows.
class TemplateMatch {
public:
    TemplateMatch();

    TemplateSpan Whole() const noexcept { return m_whole; }
    int GroupCount() const noexcept { return static_cast<int>(m_slots.size() / 2); }
    // An empty span for an index out of range.
    TemplateSpan Group(int index) const noexcept;
    // True when the last match gave up because it used up its step budget.
    bool BudgetExhausted() const noexcept { return m_budgetExhausted; }

private:
    friend class TemplateMatcher;

    enum class EntryKind : std::uint8_t { Choice, Restore, Negation };
    // Choice: resume at (pc, pos). Restore: slot pc had the value pos. Negation: the negated piece
    // started at pos; when it fails, resume at (pc, pos).
    struct BacktrackEntry {
        EntryKind kind;
        std::int32_t pc;
        std::int32_t pos;
    };

    void Reset(int groupCount);

    std::vector<BacktrackEntry> m_stack;
    std::vector<int> m_slots; // start and end of each group
    TemplateSpan m_whole;
    bool m_budgetExhausted = false;
};

} // namespace vaultlet
