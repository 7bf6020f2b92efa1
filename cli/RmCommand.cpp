#include "cli/RmCommand.h"

#include "cli/CommandContext.h"
#include "cli/DatabaseFile.h"
#include "cli/NodePath.h"

namespace vaultlet {
namespace {

constexpr CommandSyntax kSyntax{"rm", "FILE PATH", 2, 2, {}};

} // namespace

const CommandSyntax& RmCommand::Syntax() const noexcept {
    return kSyntax;
}

void RmCommand::Run(const ParsedArguments& arguments, CommandContext& context) {
    const NodePath path = NodePath::Parse(arguments.Positional(1));
    const auto lock = DatabaseFile::Lock(arguments.Positional(0), context);
    const auto database = DatabaseFile::Open(arguments.Positional(0), context);
    database->DeleteNode(path.Resolve(*database).Last());
    DatabaseFile::Save(*database);
}

} // namespace vaultlet
