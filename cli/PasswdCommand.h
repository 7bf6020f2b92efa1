#pragma once

#include "cli/Command.h"

namespace vaultlet {

// passwd FILE: changes the master password (the current one first, then the new one).
class PasswdCommand : public Command {
public:
    const CommandSyntax& Syntax() const noexcept override;
    void Run(const ParsedArguments& arguments, CommandContext& context) override;
};

} // namespace vaultlet
