#include "autofill/TemplateRegex.h"

#include "autofill/TemplateMatcher.h"
#include "autofill/TemplateRegexCompiler.h"
#include "core/SecureString.h"

#include <cctype>
#include <limits>
#include <new>

namespace vaultlet {
namespace {

// Window descriptions can contain the text of edit controls, so the lower-cased copy is wiped.
SecureString LowerCased(std::string_view text) {
    SecureString lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

} // namespace

TemplateRegexError TemplateRegex::Compile(std::string_view pattern, bool caseSensitive) {
    m_caseSensitive = caseSensitive;
    try {
        const SecureString lower = caseSensitive ? SecureString() : LowerCased(pattern);
        TemplateRegexCompiler compiler(caseSensitive ? pattern : lower.Viewed(), m_program);
        m_error = compiler.Compile();
    } catch (const std::bad_alloc&) {
        m_error = kTemplateOutOfMemory;
    }
    if (m_error != kTemplateSuccess) {
        m_program.Clear();
    }
    return m_error;
}

bool TemplateRegex::Match(std::string_view input, TemplateMatch& result) const {
    if (!IsCompiled() || input.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return false;
    }
    try {
        if (m_caseSensitive) {
            return TemplateMatcher(m_program, input, result, m_stepBudget).Run();
        }
        // Same length, same offsets: positions found in the copy are positions in the caller's text.
        const SecureString lower = LowerCased(input);
        return TemplateMatcher(m_program, lower.Viewed(), result, m_stepBudget).Run();
    } catch (const std::bad_alloc&) {
        return false;
    }
}

} // namespace vaultlet
