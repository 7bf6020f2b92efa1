#pragma once

#include "core/EncryptedDatabase.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vaultlet {

struct CommandContext;

// Opening and saving the database file a command names, with the exit status of each failure.
class DatabaseFile {
public:
    // Asks for the file's password and loads it. Throws CliFailure with the load result as status.
    // When storedText is given it receives the decrypted document as the file holds it.
    static std::unique_ptr<EncryptedDatabase> Open(std::string_view path, CommandContext& context,
                                                   SecureString* storedText = nullptr);
    // Opens with a password already at hand.
    static std::unique_ptr<EncryptedDatabase> OpenWith(std::string_view path, std::string_view password,
                                                       CommandContext& context, SecureString* storedText = nullptr);
    // Opens a further file of the command (another copy of the database): with each password already
    // entered in turn, and when none opens it, with one asked for that file, which is then added to
    // `passwords`. Throws CliFailure with the load result as status.
    static std::unique_ptr<EncryptedDatabase> OpenWithKnown(std::string_view path, std::vector<SecureString>& passwords,
                                                            CommandContext& context);
    // Takes the lock that keeps other instances of this tool from changing the file between our load
    // and our save; hold it from before the load until after the save. Throws CliFailure (status 3)
    // when the file cannot be opened or locked.
    static std::unique_ptr<FileLock> Lock(std::string_view path, CommandContext& context);
    // Saves to the database's own path. Throws CliFailure (status 6) when the save fails, or when
    // another program changed the file since it was loaded; the file on disk is then as it was.
    static void Save(EncryptedDatabase& database);

    // Why a file could not be opened, as one line.
    static std::string LoadFailureMessage(LoadResult result, std::string_view path, int cipherId);
};

} // namespace vaultlet
