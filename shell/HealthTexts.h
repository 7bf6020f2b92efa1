#pragma once

#include "core/SecureString.h"
#include "health/HealthReport.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vaultlet {

class LanguagePack;

// The words of the password health report and of the main window's note about expired passcards,
// in the language in use.
class HealthTexts {
public:
    explicit HealthTexts(const LanguagePack& language) noexcept : m_language(language) {}

    std::string Kind(FindingKind kind) const;
    // Why it is a finding: "used in 3 passcards", "would be guessed in minutes".
    std::string Reason(const HealthFinding& finding) const;
    // What was checked and how many of each were found.
    std::string Summary(const HealthReport& report) const;
    std::string ExpiredNotice(std::size_t expired) const;

    // The password's score 0-4; empty for a finding about a passcard.
    static std::string Score(const HealthFinding& finding);
    // "Group / Passcard / Field", or "Group / Passcard" for a finding about the passcard.
    static SecureString Path(const HealthFinding& finding);

private:
    std::string Format(int id, std::initializer_list<std::string_view> arguments) const;

    const LanguagePack& m_language;
};

} // namespace vaultlet
