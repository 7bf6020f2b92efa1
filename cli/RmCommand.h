#pragma once

#include "cli/Command.h"

namespace vaultlet {

// rm FILE PATH: removes a group, passcard or item with everything below it.
class RmCommand : public Command {
public:
    const CommandSyntax& Syntax() const noexcept override;
    void Run(const ParsedArguments& arguments, CommandContext& context) override;
};

} // namespace vaultlet
