#include "health/PasswordHealth.h"

#include "core/Clock.h"
#include "core/Database.h"
#include "health/PasswordIndex.h"

#include <algorithm>
#include <vector>

namespace vaultlet {
namespace {

struct CheckedPassword {
    const Passcard* passcard;
    const Item* item;
    PasswordIndex::Digest digest;
};

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

bool IsALogin(const Passcard& passcard, std::string_view value) {
    return std::any_of(passcard.Children().begin(), passcard.Children().end(), [&](const auto& item) {
        return item->Type() == ItemType::Login && EqualIgnoringCase(item->Value().Viewed(), value);
    });
}

void CheckPassword(const CheckedPassword& checked, const PasswordIndex& index, HealthReport& report) {
    const std::string_view value = checked.item->Value().Viewed();
    HealthFinding finding{FindingKind::Empty, checked.passcard, checked.item, StrengthEstimate{0, 0}, 0};
    if (value.empty()) {
        report.findings.push_back(finding);
        ++report.weak;
        return;
    }
    finding.strength = index.Strength(checked.digest);
    const int sharing = index.PasscardCount(checked.digest);
    const std::size_t before = report.findings.size();
    const auto add = [&](FindingKind kind, bool applies) {
        if (applies) {
            finding.kind = kind;
            report.findings.push_back(finding);
        }
    };
    add(FindingKind::SameAsLogin, IsALogin(*checked.passcard, value));
    add(FindingKind::SameAsName, EqualIgnoringCase(checked.passcard->Name().Viewed(), value));
    add(FindingKind::Weak, finding.strength->score < PasswordStrength::kSafeScore);
    report.weak += report.findings.size() > before ? 1 : 0;
    finding.count = sharing;
    add(FindingKind::Reused, sharing > 1);
    report.reused += sharing > 1 ? 1 : 0;
}

// Smaller comes first within one kind: the longest expired, the most shared, the soonest to expire,
// the weakest.
double Urgency(const HealthFinding& finding) {
    switch (finding.kind) {
    case FindingKind::Expired:
    case FindingKind::Reused:
        return -finding.count;
    case FindingKind::Expiring:
        return finding.count;
    default:
        return finding.strength ? finding.strength->guesses : 0;
    }
}

} // namespace

std::optional<HealthReport> PasswordHealth::Analyse(const Database& database, int expiringDays) {
    const auto index = PasswordIndex::WithRandomKey();
    if (!index) {
        return std::nullopt;
    }
    const std::uint64_t now = Clock::NowFileTime();
    HealthReport report;
    std::vector<CheckedPassword> passwords;
    for (const auto& group : database.Children()) {
        for (const auto& passcard : group->Children()) {
            ++report.passcards;
            CheckExpiry(*passcard, now, expiringDays, report);
            for (const auto& item : passcard->Children()) {
                if (IsPassword(*item)) {
                    passwords.push_back({passcard.get(), item.get(), index->Add(*passcard, item->Value().Viewed())});
                }
            }
        }
    }
    report.passwords = passwords.size();
    for (const CheckedPassword& checked : passwords) {
        CheckPassword(checked, *index, report);
    }
    Sort(report.findings);
    return report;
}

void PasswordHealth::CheckExpiry(const Passcard& passcard, std::uint64_t now, int expiringDays, HealthReport& report) {
    const std::uint64_t expiration = passcard.Expiration();
    if (expiration == 0) {
        return;
    }
    if (expiration < now) {
        const auto days = static_cast<int>((now - expiration) / kFileTimeDay);
        report.findings.push_back({FindingKind::Expired, &passcard, nullptr, std::nullopt, days});
        ++report.expired;
        return;
    }
    const std::uint64_t window =
        static_cast<std::uint64_t>(std::clamp(expiringDays, 0, kMaxExpiringDays)) * kFileTimeDay;
    if (expiration - now <= window) {
        const auto days = static_cast<int>((expiration - now + kFileTimeDay - 1) / kFileTimeDay);
        report.findings.push_back({FindingKind::Expiring, &passcard, nullptr, std::nullopt, std::max(days, 1)});
        ++report.expiring;
    }
}

void PasswordHealth::Sort(std::vector<HealthFinding>& findings) {
    std::stable_sort(findings.begin(), findings.end(), [](const HealthFinding& a, const HealthFinding& b) {
        if (a.kind != b.kind) {
            return a.kind < b.kind;
        }
        return Urgency(a) < Urgency(b);
    });
}

std::size_t PasswordHealth::CountExpired(const Database& database) {
    std::size_t expired = 0;
    for (const auto& group : database.Children()) {
        for (const auto& passcard : group->Children()) {
            expired += passcard->IsExpired() ? 1 : 0;
        }
    }
    return expired;
}

bool PasswordHealth::IsPassword(const Item& item) noexcept {
    return item.Type() == ItemType::Password || (item.Type() == ItemType::Custom && item.Hidden());
}

} // namespace vaultlet
