#pragma once

#include "cli/Command.h"

namespace vaultlet {

// generate: passwords by the generator's rules from the system's cryptographic random source, one a line;
// with --phonetic followed by a tab and the spoken spelling.
class GenerateCommand : public Command {
public:
    const CommandSyntax& Syntax() const noexcept override;
    void Run(const ParsedArguments& arguments, CommandContext& context) override;
};

} // namespace vaultlet
