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
    const bool modified = ModifiedFlag::IsRaised();
    EncryptedDatabase reread;
    reread.SetPassword(password);
    const bool loaded = reread.Load(path) == LoadResult::Loaded;
    if (modified) {
        ModifiedFlag::Raise();
    }
    return loaded ? std::string(reread.Comment().Viewed()) : "<not loaded>";
}

} // namespace vaultlet::test
