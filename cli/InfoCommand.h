#pragma once

#include "cli/Command.h"

namespace vaultlet {

// info FILE: name, cipher and iteration count from the file's header, without the password.
class InfoCommand : public Command {
public:
    const CommandSyntax& Syntax() const noexcept override;
    void Run(const ParsedArguments& arguments, CommandContext& context) override;
};

} // namespace vaultlet
