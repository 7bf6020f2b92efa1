#pragma once

#include "cli/Command.h"

namespace vaultlet {

// show FILE PATH: the fields of a group, passcard or item, one "Label: value" a line. A hidden value is
// masked unless --reveal.
class ShowCommand : public Command {
public:
    const CommandSyntax& Syntax() const noexcept override;
    void Run(const ParsedArguments& arguments, CommandContext& context) override;
};

} // namespace vaultlet
