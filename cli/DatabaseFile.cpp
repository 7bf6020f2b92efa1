#include "cli/DatabaseFile.h"

#include "cli/CliFailure.h"
#include "cli/CommandContext.h"
#include "cli/OutputText.h"

namespace vaultlet {
namespace {

std::string Quoted(std::string_view path) {
    return "\"" + OneLine(path) + "\"";
}

} // namespace

std::unique_ptr<EncryptedDatabase> DatabaseFile::Open(std::string_view path, CommandContext& context,
                                                      SecureString* storedText) {
    const SecureString password = context.passwords.Existing("Password for " + Quoted(path) + ": ");
    return OpenWith(path, password.Viewed(), context, storedText);
}

std::unique_ptr<EncryptedDatabase> DatabaseFile::OpenWith(std::string_view path, std::string_view password,
                                                          CommandContext& context, SecureString* storedText) {
    auto database = std::make_unique<EncryptedDatabase>(context.fileSystem);
    database->SetPassword(password);
    const LoadResult result = database->Load(std::string(path), nullptr, storedText);
    if (result != LoadResult::Loaded) {
        throw CliFailure(ExitStatusOf(result), LoadFailureMessage(result, path, database->CipherId()));
    }
    return database;
}

std::unique_ptr<EncryptedDatabase>
DatabaseFile::OpenWithKnown(std::string_view path, std::vector<SecureString>& passwords, CommandContext& context) {
    for (const SecureString& password : passwords) {
        auto database = std::make_unique<EncryptedDatabase>(context.fileSystem);
        database->SetPassword(password.Viewed());
        const LoadResult result = database->Load(std::string(path));
        if (result == LoadResult::Loaded) {
            return database;
        }
        if (result != LoadResult::WrongPassword) {
            throw CliFailure(ExitStatusOf(result), LoadFailureMessage(result, path, database->CipherId()));
        }
    }
    passwords.push_back(context.passwords.Existing("Password for " + Quoted(path) + ": "));
    return OpenWith(path, passwords.back().Viewed(), context);
}

std::unique_ptr<FileLock> DatabaseFile::Lock(std::string_view path, CommandContext& context) {
    const std::string file(path);
    std::unique_ptr<FileLock> lock = context.fileSystem.Lock(file);
    if (!lock) {
        throw CliFailure(ExitStatus::CannotOpen, context.fileSystem.Exists(file)
                                                     ? "cannot lock " + Quoted(path) + " against other writers"
                                                     : LoadFailureMessage(LoadResult::CannotOpen, path, 0));
    }
    return lock;
}

void DatabaseFile::Save(EncryptedDatabase& database) {
    switch (database.SaveWithResult()) {
    case SaveResult::Saved:
        return;
    case SaveResult::ChangedOnDisk:
        throw CliFailure(ExitStatus::SaveFailed, Quoted(database.Path()) +
                                                     " was changed by another program since it was opened; it was "
                                                     "left as it is and this change was not saved");
    case SaveResult::Failed:
        break;
    }
    throw CliFailure(ExitStatus::SaveFailed,
                     "could not save " + Quoted(database.Path()) + "; the file on disk is as it was before");
}

std::string DatabaseFile::LoadFailureMessage(LoadResult result, std::string_view path, int cipherId) {
    switch (result) {
    case LoadResult::Loaded:
        break;
    case LoadResult::WrongPassword:
        return "wrong password for " + Quoted(path);
    case LoadResult::NotADatabase:
        return Quoted(path) + " is not a Vaultlet database, or it is damaged";
    case LoadResult::CannotOpen:
        return "cannot open " + Quoted(path);
    case LoadResult::ReadFailure:
        return "cannot read or decrypt " + Quoted(path);
    case LoadResult::UnknownCipher:
        return Quoted(path) + " uses a cipher this program does not know (id " + std::to_string(cipherId) + ")";
    }
    return {};
}

} // namespace vaultlet
