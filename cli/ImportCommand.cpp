#include "cli/ImportCommand.h"

#include "cli/CliFailure.h"

namespace vaultlet {
namespace {

constexpr CommandSyntax kSyntax{"import", "FILE xml|keepass2|keepass1 IN", 3, 3, {}};

} // namespace

const CommandSyntax& ImportCommand::Syntax() const noexcept {
    return kSyntax;
}

void ImportCommand::Run(const ParsedArguments&, CommandContext&) {
    throw CliFailure(ExitStatus::Usage, "import is not available yet");
}

} // namespace vaultlet
