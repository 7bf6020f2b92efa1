#include "cli/LsCommand.h"

#include "cli/CommandContext.h"
#include "cli/DatabaseFile.h"
#include "cli/NodePath.h"
#include "cli/NodeText.h"

#include <optional>
#include <ostream>

namespace vaultlet {
namespace {

constexpr OptionSpec kOptions[] = {{"reveal", false}};
constexpr CommandSyntax kSyntax{"ls", "FILE [PATH] [--reveal]", 1, 2, kOptions};

template <typename Container>
void ListChildren(const Container& container, bool reveal, std::ostream& out) {
    for (const auto& child : container.Children()) {
        const SecureString line = NodeText::ListLine(*child, reveal);
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
}

} // namespace

const CommandSyntax& LsCommand::Syntax() const noexcept {
    return kSyntax;
}

void LsCommand::Run(const ParsedArguments& arguments, CommandContext& context) {
    // The path is checked before the password is asked for.
    std::optional<NodePath> path;
    if (arguments.PositionalCount() > 1) {
        path = NodePath::Parse(arguments.Positional(1));
    }
    const bool reveal = arguments.Has("reveal");
    const auto database = DatabaseFile::Open(arguments.Positional(0), context);
    if (!path) {
        ListChildren(*database, reveal, context.out);
        return;
    }
    const NodePath::Nodes nodes = path->Resolve(*database);
    if (nodes.item != nullptr) {
        const SecureString line = NodeText::ListLine(*nodes.item, reveal);
        context.out.write(line.data(), static_cast<std::streamsize>(line.size()));
    } else if (nodes.passcard != nullptr) {
        ListChildren(*nodes.passcard, reveal, context.out);
    } else {
        ListChildren(*nodes.group, reveal, context.out);
    }
}

} // namespace vaultlet
