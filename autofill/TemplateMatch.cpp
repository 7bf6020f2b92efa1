#include "autofill/TemplateMatch.h"

namespace vaultlet {
namespace {

constexpr std::size_t kInitialStackEntries = 256;

} // namespace

TemplateMatch::TemplateMatch() {
    m_stack.reserve(kInitialStackEntries);
}

TemplateSpan TemplateMatch::Group(int index) const noexcept {
    if (index < 0 || index >= GroupCount()) {
        return TemplateSpan{};
    }
    const int start = m_slots[static_cast<std::size_t>(index) * 2];
    const int end = m_slots[static_cast<std::size_t>(index) * 2 + 1];
    if (start < 0 || end < start) {
        return TemplateSpan{};
    }
    return TemplateSpan{start, end};
}

void TemplateMatch::Reset(int groupCount) {
    m_stack.clear();
    m_slots.assign(static_cast<std::size_t>(groupCount) * 2, -1);
    m_whole = TemplateSpan{};
    m_budgetExhausted = false;
}

} // namespace vaultlet
