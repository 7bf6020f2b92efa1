#include "autofill/WindowTemplateList.h"

#include <algorithm>

namespace vaultlet {
namespace {

// Window classes and file names are compared as the system compares them: ASCII letters without
// regard to case.
bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

bool WindowTemplateList::Entry::Accepts(std::string_view className, std::string_view program) const {
    return !program.empty() && SameIgnoringCase(windowClass, className) &&
           std::any_of(programs.begin(), programs.end(),
                       [&](const std::string& name) { return SameIgnoringCase(name, program); });
}

bool WindowTemplateList::Add(const WindowTemplate& windowTemplate) {
    TemplateRegex regex;
    if (regex.Compile(windowTemplate.pattern, false) != kTemplateSuccess) {
        return false;
    }
    m_templates.push_back({std::move(regex), std::string(windowTemplate.windowClass),
                           std::vector<std::string>(windowTemplate.programs.begin(), windowTemplate.programs.end())});
    return true;
}

bool WindowTemplateList::Capture(std::string_view description, std::string_view windowClass, std::string_view program,
                                 SecureString& captured) const {
    captured.clear();
    TemplateMatch match;
    for (const Entry& entry : m_templates) {
        if (!entry.Accepts(windowClass, program) || !entry.regex.Match(description, match)) {
            continue;
        }
        for (int group = 0; group < match.GroupCount(); ++group) {
            const std::string_view text = match.Group(group).In(description);
            if (!text.empty()) {
                captured = text;
                break;
            }
        }
    }
    return !captured.empty();
}

} // namespace vaultlet
