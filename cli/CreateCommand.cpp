#include "cli/CreateCommand.h"

#include "cli/CipherNames.h"
#include "cli/CliFailure.h"
#include "cli/CommandContext.h"
#include "cli/DatabaseFile.h"
#include "cli/OutputText.h"
#include "cli/StorableText.h"
#include "core/DatabaseFileHeader.h"
#include "core/NewDatabase.h"
#include "core/TextConversion.h"

#include <optional>
#include <string>

namespace vaultlet {
namespace {

constexpr OptionSpec kOptions[] = {{"name", true}, {"cipher", true}, {"iterations", true}, {"force", false}};
constexpr CommandSyntax kSyntax{
    "create", "FILE [--name NAME] [--cipher aes256|aes128|twofish|blowfish] [--iterations N] [--force]", 1, 1,
    kOptions};

// The header holds at most 255 characters of the name, and the password check covers only those: a
// longer name would come back cut.
void RequireDatabaseName(std::string_view name) {
    if (name.empty()) {
        throw UsageError("the database name must not be empty (give one with --name)");
    }
    RequireStorableText(name, "the database name");
    if (AnsiToUtf16(name).size() > DatabaseFileHeader::kMaxNameLength) {
        throw UsageError("the database name is longer than 255 characters");
    }
}

} // namespace

const CommandSyntax& CreateCommand::Syntax() const noexcept {
    return kSyntax;
}

void CreateCommand::Run(const ParsedArguments& arguments, CommandContext& context) {
    const std::string path(arguments.Positional(0));
    const std::optional<std::string_view> givenName = arguments.Value("name");
    const std::string name = givenName ? std::string(*givenName) : NewDatabase::DefaultName(path);
    RequireDatabaseName(name);
    const int cipherId = CipherIdOfName(arguments.Value("cipher").value_or("aes256"));
    const std::uint32_t iterations = arguments.Number("iterations", EncryptedDatabase::kDefaultKeyIterations, 1,
                                                      EncryptedDatabase::kMaxKeyIterations);
    if (!arguments.Has("force") && context.fileSystem.Exists(path)) {
        throw UsageError("\"" + OneLine(path) + "\" already exists; add --force to replace it");
    }
    const SecureString password =
        context.passwords.New("Password for the new database \"" + OneLine(path) + "\": ", "Repeat the password: ");
    const auto database = NewDatabase::Create(path, name, password.Viewed(), cipherId, context.fileSystem);
    database->SetKeyIterations(iterations);
    DatabaseFile::Save(*database);
}

} // namespace vaultlet
