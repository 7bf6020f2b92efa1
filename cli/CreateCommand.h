#pragma once

#include "cli/Command.h"

namespace vaultlet {

// create FILE: a new database with the defaults the program gives one (name from the file name, the
// five default groups, AES-256, 100000 key iterations); an existing file is replaced only with --force.
class CreateCommand : public Command {
public:
    const CommandSyntax& Syntax() const noexcept override;
    void Run(const ParsedArguments& arguments, CommandContext& context) override;
};

} // namespace vaultlet
