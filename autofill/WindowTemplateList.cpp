#include "autofill/WindowTemplateList.h"

namespace vaultlet {

bool WindowTemplateList::Add(std::string_view pattern) {
    TemplateRegex regex;
    if (regex.Compile(pattern, false) != kTemplateSuccess) {
        return false;
    }
    m_templates.push_back(std::move(regex));
    return true;
}

bool WindowTemplateList::Capture(std::string_view description, SecureString& captured) const {
    captured.clear();
    TemplateMatch match;
    for (const TemplateRegex& regex : m_templates) {
        if (!regex.Match(description, match)) {
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
