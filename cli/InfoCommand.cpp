#include "cli/InfoCommand.h"

#include "cli/CliFailure.h"
#include "cli/CommandContext.h"
#include "cli/DatabaseFile.h"
#include "cli/OutputText.h"
#include "core/DatabaseFileHeader.h"
#include "core/TextConversion.h"
#include "core/crypto/CipherRegistry.h"

#include <string>

namespace vaultlet {
namespace {

constexpr CommandSyntax kSyntax{"info", "FILE", 1, 1, {}};

DatabaseFileHeader ReadHeader(const std::string& path, FileSystem& fileSystem) {
    const std::unique_ptr<InputFile> file = fileSystem.OpenForReading(path);
    if (!file) {
        throw CliFailure(ExitStatus::CannotOpen, DatabaseFile::LoadFailureMessage(LoadResult::CannotOpen, path, 0));
    }
    std::uint64_t size = 0;
    DatabaseFileHeader header;
    if (!file->Size(size) || size <= DatabaseFileHeader::kFixedSize || !header.ReadFrom(*file)) {
        throw CliFailure(ExitStatus::NotADatabase, DatabaseFile::LoadFailureMessage(LoadResult::NotADatabase, path, 0));
    }
    return header;
}

} // namespace

const CommandSyntax& InfoCommand::Syntax() const noexcept {
    return kSyntax;
}

void InfoCommand::Run(const ParsedArguments& arguments, CommandContext& context) {
    const std::string path(arguments.Positional(0));
    const DatabaseFileHeader header = ReadHeader(path, context.fileSystem);
    const CipherRegistry ciphers;
    const Cipher* cipher = ciphers.FindById(header.cipherId);
    if (cipher == nullptr) {
        throw CliFailure(ExitStatus::UnknownCipher,
                         DatabaseFile::LoadFailureMessage(LoadResult::UnknownCipher, path, header.cipherId));
    }
    context.out << "Name: " << OneLine(Utf16ToAnsi(header.name).Viewed()) << '\n'
                << "Cipher: " << cipher->Name() << '\n'
                << "Cipher id: " << header.cipherId << '\n'
                << "Iterations: " << header.keyIterations << '\n';
}

} // namespace vaultlet
