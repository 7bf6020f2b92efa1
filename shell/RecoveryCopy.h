#pragma once

#include <cstdint>
#include <string>

namespace vaultlet {

class EncryptedDatabase;

// Where the changes of the open database go when its own file cannot take them at the end of the
// Windows session, when nobody can be asked anything: a new file beside that file or, when that
// fails (the folder is gone, the disk is full), in the user's documents folder. A copy never
// replaces a file. It is a database like the original, under the same master password, so the user
// opens it from the login's list; the settings keep its path until the next start tells the user.
class RecoveryCopy {
public:
    // Writes the copy and returns its path; empty when neither place took it. The database keeps its
    // own path, and the modified flag is left as the save left it.
    static std::string Write(EncryptedDatabase& database, const std::string& documentsFolder);
    // The name of a copy of the database at `databasePath` (or, without a path, named `databaseName`)
    // written at `unixSeconds`; `attempt` above 1 tells apart copies written in the same second.
    static std::string FileName(const std::string& databasePath, const std::string& databaseName,
                                std::int64_t unixSeconds, int attempt);

    // Keeps the path for the next start.
    static void Remember(const std::string& path);
    // The copy the user has not been told about yet (empty when none); forgets it.
    static std::string TakeUntold();
};

} // namespace vaultlet
