#include "tests/support/DatabaseFiles.h"

#include "core/EncryptedDatabase.h"
#include "core/ModifiedFlag.h"
#include "core/NewDatabase.h"

namespace vaultlet::test {

bool MakeDatabaseFile(const std::string& path, const std::string& name, const std::string& password, int cipherId,
                      unsigned keyIterations) {
    auto database = NewDatabase::Create(path, name, password, cipherId);
    database->SetKeyIterations(keyIterations);
    return database->Save();
}

std::string CommentOnDisk(const std::string& path, const std::string& password) {
    const ModifiedFlag::Preserved kept;
    EncryptedDatabase reread;
    reread.SetPassword(password);
    const bool loaded = reread.Load(path) == LoadResult::Loaded;
    return loaded ? std::string(reread.Comment().Viewed()) : "<not loaded>";
}

bool ChangeDatabaseFile(const std::string& path, const std::function<void(EncryptedDatabase&)>& change,
                        const std::string& password) {
    const ModifiedFlag::Preserved kept;
    EncryptedDatabase theirs;
    theirs.SetPassword(password);
    if (theirs.Load(path) != LoadResult::Loaded) {
        return false;
    }
    change(theirs);
    return theirs.Save();
}

} // namespace vaultlet::test
