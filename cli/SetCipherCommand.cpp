#include "cli/SetCipherCommand.h"

#include "cli/CipherNames.h"
#include "cli/CommandContext.h"
#include "cli/DatabaseFile.h"

namespace vaultlet {
namespace {

constexpr CommandSyntax kSyntax{"set-cipher", "FILE aes256|aes128|twofish|blowfish", 2, 2, {}};

} // namespace

const CommandSyntax& SetCipherCommand::Syntax() const noexcept {
    return kSyntax;
}

void SetCipherCommand::Run(const ParsedArguments& arguments, CommandContext& context) {
    const int cipherId = CipherIdOfName(arguments.Positional(1));
    const auto lock = DatabaseFile::Lock(arguments.Positional(0), context);
    const auto database = DatabaseFile::Open(arguments.Positional(0), context);
    database->SetCipherId(cipherId);
    DatabaseFile::Save(*database);
}

} // namespace vaultlet
