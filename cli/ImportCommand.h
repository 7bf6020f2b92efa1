#pragma once

#include "cli/Command.h"

namespace vaultlet {

// import FILE FORMAT IN: reads IN with the named format, merges its groups into the database as the
// program's import command does, saves, and prints the counts line.
class ImportCommand : public Command {
public:
    const CommandSyntax& Syntax() const noexcept override;
    void Run(const ParsedArguments& arguments, CommandContext& context) override;
};

} // namespace vaultlet
