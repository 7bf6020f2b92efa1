#pragma once

#include "cli/Command.h"

namespace vaultlet {

// audit FILE [--expiring-days N]: the password health report, one finding a line (the path of the
// passcard or password, what is wrong, the password's score 0-4 or "-", and why), never a password.
// Exits with 0 when nothing is found and 1 when something is; a wrong password exits with 8 here, so
// that a script can take 1 as "found" and anything higher as a failure.
class AuditCommand : public Command {
public:
    const CommandSyntax& Syntax() const noexcept override;
    void Run(const ParsedArguments& arguments, CommandContext& context) override;
};

} // namespace vaultlet
