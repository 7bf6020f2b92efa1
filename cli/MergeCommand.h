#pragma once

#include "cli/Command.h"

namespace vaultlet {

// merge FILE OTHER [--base BASE]: merges another copy of the database into FILE, three-way against
// BASE (the version both copies started from) or, without one, as a union that keeps both versions
// of whatever differs; saves FILE and prints what the merge did.
class MergeCommand : public Command {
public:
    const CommandSyntax& Syntax() const noexcept override;
    void Run(const ParsedArguments& arguments, CommandContext& context) override;
};

} // namespace vaultlet
