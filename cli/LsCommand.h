#pragma once

#include "cli/Command.h"

namespace vaultlet {

// ls FILE [PATH]: the children of the database, a group or a passcard, one a line (an item: its own
// line). Hidden values are masked unless --reveal.
class LsCommand : public Command {
public:
    const CommandSyntax& Syntax() const noexcept override;
    void Run(const ParsedArguments& arguments, CommandContext& context) override;
};

} // namespace vaultlet
