#include "cli/PasswdCommand.h"

#include "cli/CommandContext.h"
#include "cli/DatabaseFile.h"
#include "cli/OutputText.h"

#include <string>

namespace vaultlet {
namespace {

constexpr CommandSyntax kSyntax{"passwd", "FILE", 1, 1, {}};

} // namespace

const CommandSyntax& PasswdCommand::Syntax() const noexcept {
    return kSyntax;
}

void PasswdCommand::Run(const ParsedArguments& arguments, CommandContext& context) {
    const std::string_view path = arguments.Positional(0);
    const auto lock = DatabaseFile::Lock(path, context);
    const auto database = DatabaseFile::Open(path, context);
    const SecureString password =
        context.passwords.New("New password for \"" + OneLine(path) + "\": ", "Repeat the new password: ");
    database->SetPassword(password.Viewed());
    DatabaseFile::Save(*database);
}

} // namespace vaultlet
