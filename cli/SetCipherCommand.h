#pragma once

#include "cli/Command.h"

namespace vaultlet {

// set-cipher FILE CIPHER: encrypts the database with another cipher from now on.
class SetCipherCommand : public Command {
public:
    const CommandSyntax& Syntax() const noexcept override;
    void Run(const ParsedArguments& arguments, CommandContext& context) override;
};

} // namespace vaultlet
