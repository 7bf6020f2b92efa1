#include "cli/AuditCommand.h"

#include "cli/CliFailure.h"
#include "cli/CommandContext.h"
#include "cli/DatabaseFile.h"
#include "cli/NodePath.h"
#include "cli/OutputText.h"
#include "core/Passcard.h"
#include "health/PasswordHealth.h"

#include <string>

namespace vaultlet {
namespace {

constexpr OptionSpec kOptions[] = {{"expiring-days", true}};
constexpr CommandSyntax kSyntax{"audit", "FILE [--expiring-days N]", 1, 1, kOptions};

// Indexed by FindingKind.
constexpr const char* kKindNames[] = {"expired",      "reused", "empty",   "same-as-login",
                                      "same-as-name", "weak",   "expiring"};
// Indexed by GuessTime.
constexpr const char* kGuessTimes[] = {"instantly", "in seconds", "in minutes", "in hours", "in days"};

std::string Days(int days) {
    return std::to_string(days) + (days == 1 ? " day" : " days");
}

std::string Reason(const HealthFinding& finding) {
    switch (finding.kind) {
    case FindingKind::Expired:
        return finding.count == 0 ? "expired less than a day ago" : "expired " + Days(finding.count) + " ago";
    case FindingKind::Reused:
        return "used in " + std::to_string(finding.count) + " passcards";
    case FindingKind::Empty:
        return "the password is empty";
    case FindingKind::SameAsLogin:
        return "the password is the login";
    case FindingKind::SameAsName:
        return "the password is the passcard's name";
    case FindingKind::Weak:
        return std::string("would be guessed ") +
               kGuessTimes[static_cast<int>(PasswordStrength::TimeToGuess(finding.strength->guesses))];
    case FindingKind::Expiring:
        return "expires in " + Days(finding.count);
    }
    return {};
}

// One line of the report, tab-separated, ending in a line feed.
SecureString Line(const HealthFinding& finding) {
    SecureString line;
    const SecureString path = finding.IsAboutPasscard() ? NodePath::Of(*finding.passcard) : NodePath::Of(*finding.item);
    AppendOneLine(line, path.Viewed());
    line += '\t';
    line += kKindNames[static_cast<int>(finding.kind)];
    line += '\t';
    line += finding.strength ? std::to_string(finding.strength->score) : std::string("-");
    line += '\t';
    line += Reason(finding);
    line += '\n';
    return line;
}

std::unique_ptr<EncryptedDatabase> OpenForAudit(std::string_view path, CommandContext& context) {
    try {
        return DatabaseFile::Open(path, context);
    } catch (const CliFailure& failure) {
        if (failure.Status() != ExitStatus::WrongPassword) {
            throw;
        }
        throw CliFailure(ExitStatus::AuditWrongPassword, failure.what());
    }
}

} // namespace

const CommandSyntax& AuditCommand::Syntax() const noexcept {
    return kSyntax;
}

void AuditCommand::Run(const ParsedArguments& arguments, CommandContext& context) {
    const auto expiringDays = static_cast<int>(
        arguments.Number("expiring-days", PasswordHealth::kDefaultExpiringDays, 0, PasswordHealth::kMaxExpiringDays));
    const auto database = OpenForAudit(arguments.Positional(0), context);
    const std::optional<HealthReport> report = PasswordHealth::Analyse(*database, expiringDays);
    if (!report) {
        throw CliFailure(ExitStatus::Internal, "the system's random source failed");
    }
    for (const HealthFinding& finding : report->findings) {
        const SecureString line = Line(finding);
        context.out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
    context.status = report->Clean() ? ExitStatus::Success : ExitStatus::Findings;
}

} // namespace vaultlet
