#include "cli/ImportCommand.h"

#include "cli/CliFailure.h"
#include "cli/CommandContext.h"
#include "cli/DatabaseFile.h"
#include "cli/OutputText.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/ImportFormatList.h"
#include "exchange/ImportReport.h"

#include <string>

namespace vaultlet {
namespace {

constexpr CommandSyntax kSyntax{"import", "FILE xml|keepass2|keepass1 IN", 3, 3, {}};

// In the order of the program's import list, whose filter index counts from 1.
constexpr std::string_view kFormatNames[] = {"xml", "keepass2", "keepass1"};

// The program's own messages (string table, English).
constexpr std::string_view kCountsFormat = "Imported: %d Group(s), %d Passcard(s), %d Fields(s)";
constexpr std::string_view kFailureFormat = "Error while importing \"%s\" file.";
constexpr std::string_view kNotExactFormat =
    "The \"%s\" file holds text that this system cannot keep exactly; nothing was imported.";

int FilterIndexOf(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kFormatNames); ++i) {
        if (kFormatNames[i] == name) {
            return static_cast<int>(i) + 1;
        }
    }
    throw UsageError("unknown import format \"" + OneLine(name) + "\" (xml, keepass2 or keepass1)");
}

} // namespace

const CommandSyntax& ImportCommand::Syntax() const noexcept {
    return kSyntax;
}

void ImportCommand::Run(const ParsedArguments& arguments, CommandContext& context) {
    const int filterIndex = FilterIndexOf(arguments.Positional(1));
    const std::string inPath(arguments.Positional(2));
    if (inPath.empty()) {
        throw UsageError("IN must name a file");
    }
    const auto lock = DatabaseFile::Lock(arguments.Positional(0), context);
    const auto database = DatabaseFile::Open(arguments.Positional(0), context);
    const ImportFormatList formats;
    const ImportOutcome outcome = ImportThroughFilter(formats, filterIndex, inPath, *database);
    switch (outcome.status) {
    case ImportOutcome::Status::NoFormat:
    case ImportOutcome::Status::Failed:
        throw CliFailure(ExitStatus::ImportFailed,
                         "\"" + OneLine(inPath) + "\": " + FormatImportFailure(kFailureFormat, outcome.displayName));
    case ImportOutcome::Status::TextNotExact:
        throw CliFailure(ExitStatus::ImportFailed,
                         "\"" + OneLine(inPath) + "\": " + FormatImportFailure(kNotExactFormat, outcome.displayName));
    case ImportOutcome::Status::Merged:
        DatabaseFile::Save(*database);
        break;
    case ImportOutcome::Status::Empty:
        // Nothing to add: the file stays untouched.
        break;
    }
    context.out << FormatImportCounts(kCountsFormat, outcome.counts) << '\n';
}

} // namespace vaultlet
