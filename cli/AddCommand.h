#pragma once

#include "cli/Command.h"

namespace vaultlet {

// add FILE PATH: a new group (one name), passcard (two) or item (three). An item gets its type's defaults
// (name from PATH, image, hidden flag) and the value from --value or standard input.
class AddCommand : public Command {
public:
    const CommandSyntax& Syntax() const noexcept override;
    void Run(const ParsedArguments& arguments, CommandContext& context) override;
};

} // namespace vaultlet
