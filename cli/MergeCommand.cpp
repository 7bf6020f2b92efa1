#include "cli/MergeCommand.h"

#include "cli/CliFailure.h"
#include "cli/CommandContext.h"
#include "cli/DatabaseFile.h"
#include "cli/OutputText.h"
#include "core/DatabaseMerge.h"
#include "core/NodeEquality.h"

#include <optional>
#include <string>
#include <vector>

namespace vaultlet {
namespace {

constexpr OptionSpec kOptions[] = {{"base", true}};
constexpr CommandSyntax kSyntax{"merge", "FILE OTHER [--base BASE]", 2, 2, kOptions};

// The program's own texts (string table, English).
constexpr std::string_view kOtherCopySuffix = " (other copy)";

std::string CountsLine(const MergeReport& report) {
    return "Merged: " + std::to_string(report.added) + " added, " + std::to_string(report.removed) + " removed, " +
           std::to_string(report.changed) + " changed, " + std::to_string(report.otherCopies) +
           " kept as other copies\n";
}

// The database's own settings where the other copy's differed, kept as they were in FILE.
std::string SettingsLine(const MergeReport& report) {
    std::string settings;
    const auto add = [&](bool differed, const char* name) {
        if (differed) {
            settings += settings.empty() ? name : std::string(", ") + name;
        }
    };
    add(report.otherName, "name");
    add(report.otherImage, "icon");
    add(report.otherCipher, "cipher");
    add(report.otherKeyIterations, "key iterations");
    add(report.otherPassword, "master password");
    return settings.empty() ? std::string() : "Kept this database's " + settings + " (the other copy's differ)\n";
}

} // namespace

const CommandSyntax& MergeCommand::Syntax() const noexcept {
    return kSyntax;
}

void MergeCommand::Run(const ParsedArguments& arguments, CommandContext& context) {
    const std::string_view path = arguments.Positional(0);
    const std::optional<std::string_view> basePath = arguments.Value("base");
    if (arguments.Positional(1).empty() || (basePath && basePath->empty())) {
        throw UsageError("OTHER and BASE must name files");
    }
    const auto lock = DatabaseFile::Lock(path, context);
    std::vector<SecureString> passwords;
    passwords.push_back(context.passwords.Existing("Password for \"" + OneLine(path) + "\": "));
    const auto ours = DatabaseFile::OpenWith(path, passwords.back().Viewed(), context);
    const auto theirs = DatabaseFile::OpenWithKnown(arguments.Positional(1), passwords, context);
    const auto base = basePath ? DatabaseFile::OpenWithKnown(*basePath, passwords, context) : nullptr;

    MergeResult result = DatabaseMerge::Merge(base.get(), *ours, *theirs, kOtherCopySuffix);
    ours->NoteOtherSettings(*theirs, result.report);
    // Nothing new: the file stays untouched, so no other copy sees it as changed.
    if (!NodeEquality::Same(*ours, *result.merged)) {
        ours->AdoptContent(*result.merged);
        DatabaseFile::Save(*ours);
    }
    context.out << CountsLine(result.report) << SettingsLine(result.report);
    if (result.report.notesJoined) {
        context.out << "Both copies changed the database note: the other copy's text follows this one's\n";
    }
}

} // namespace vaultlet
