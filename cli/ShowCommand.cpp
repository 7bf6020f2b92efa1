#include "cli/ShowCommand.h"

#include "cli/CommandContext.h"
#include "cli/DatabaseFile.h"
#include "cli/NodePath.h"
#include "cli/NodeText.h"

namespace vaultlet {
namespace {

constexpr OptionSpec kOptions[] = {{"reveal", false}};
constexpr CommandSyntax kSyntax{"show", "FILE PATH [--reveal]", 2, 2, kOptions};

} // namespace

const CommandSyntax& ShowCommand::Syntax() const noexcept {
    return kSyntax;
}

void ShowCommand::Run(const ParsedArguments& arguments, CommandContext& context) {
    const NodePath path = NodePath::Parse(arguments.Positional(1));
    const auto database = DatabaseFile::Open(arguments.Positional(0), context);
    const SecureString fields = NodeText::Fields(*path.Resolve(*database).Last(), arguments.Has("reveal"));
    context.out.write(fields.data(), static_cast<std::streamsize>(fields.size()));
}

} // namespace vaultlet
