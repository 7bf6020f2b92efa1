#pragma once

#include "cli/Command.h"

namespace vaultlet {

// export FILE FORMAT OUT: the decrypted database document exactly as stored (document), the program's own
// XML exchange format (xml) or the HTML page (html), into OUT or to standard output for "-".
class ExportCommand : public Command {
public:
    const CommandSyntax& Syntax() const noexcept override;
    void Run(const ParsedArguments& arguments, CommandContext& context) override;
};

} // namespace vaultlet
