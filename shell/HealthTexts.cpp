#include "shell/HealthTexts.h"

#include "core/Passcard.h"
#include "resources/StringIds.h"
#include "services/LanguagePack.h"
#include "shell/TextFormat.h"

namespace vaultlet {
namespace {

// Indexed by FindingKind.
constexpr int kKindIds[] = {IDS_HEALTH_KIND_EXPIRED,       IDS_HEALTH_KIND_REUSED,       IDS_HEALTH_KIND_EMPTY,
                            IDS_HEALTH_KIND_SAME_AS_LOGIN, IDS_HEALTH_KIND_SAME_AS_NAME, IDS_HEALTH_KIND_WEAK,
                            IDS_HEALTH_KIND_EXPIRING};
// Indexed by GuessTime.
constexpr int kGuessTimeIds[] = {IDS_HEALTH_GUESSED_INSTANTLY, IDS_HEALTH_GUESSED_SECONDS, IDS_HEALTH_GUESSED_MINUTES,
                                 IDS_HEALTH_GUESSED_HOURS, IDS_HEALTH_GUESSED_DAYS};

constexpr std::string_view kPathSeparator = " / ";

} // namespace

std::string HealthTexts::Kind(FindingKind kind) const {
    return m_language.getString(kKindIds[static_cast<int>(kind)]);
}

std::string HealthTexts::Reason(const HealthFinding& finding) const {
    switch (finding.kind) {
    case FindingKind::Expired:
        return finding.count == 0 ? m_language.getString(IDS_HEALTH_EXPIRED_TODAY)
                                  : Format(IDS_HEALTH_EXPIRED_DAYS, {std::to_string(finding.count)});
    case FindingKind::Reused:
        return Format(IDS_HEALTH_REUSED, {std::to_string(finding.count)});
    case FindingKind::Empty:
        return m_language.getString(IDS_HEALTH_EMPTY);
    case FindingKind::SameAsLogin:
        return m_language.getString(IDS_HEALTH_SAME_AS_LOGIN);
    case FindingKind::SameAsName:
        return m_language.getString(IDS_HEALTH_SAME_AS_NAME);
    case FindingKind::Weak:
        return m_language.getString(
            kGuessTimeIds[static_cast<int>(PasswordStrength::TimeToGuess(finding.strength->guesses))]);
    case FindingKind::Expiring:
        return Format(IDS_HEALTH_EXPIRES_DAYS, {std::to_string(finding.count)});
    }
    return {};
}

std::string HealthTexts::Summary(const HealthReport& report) const {
    const std::string passcards = std::to_string(report.passcards);
    const std::string passwords = std::to_string(report.passwords);
    if (report.Clean()) {
        return Format(IDS_HEALTH_SUMMARY_CLEAN, {passcards, passwords});
    }
    const std::string expired = std::to_string(report.expired);
    const std::string reused = std::to_string(report.reused);
    const std::string weak = std::to_string(report.weak);
    const std::string expiring = std::to_string(report.expiring);
    return Format(IDS_HEALTH_SUMMARY, {passcards, passwords, expired, reused, weak, expiring});
}

std::string HealthTexts::ExpiredNotice(std::size_t expired) const {
    return Format(IDS_HEALTH_STATUS_EXPIRED, {std::to_string(expired)});
}

std::string HealthTexts::Score(const HealthFinding& finding) {
    return finding.strength ? std::to_string(finding.strength->score) : std::string();
}

SecureString HealthTexts::Path(const HealthFinding& finding) {
    SecureString path;
    if (const ModelNode* group = finding.passcard->Parent()) {
        path += group->Name().Viewed();
        path += kPathSeparator;
    }
    path += finding.passcard->Name().Viewed();
    if (finding.item != nullptr) {
        path += kPathSeparator;
        path += finding.item->Name().Viewed();
    }
    return path;
}

std::string HealthTexts::Format(int id, std::initializer_list<std::string_view> arguments) const {
    return FormatText(m_language.getString(id), arguments);
}

} // namespace vaultlet
