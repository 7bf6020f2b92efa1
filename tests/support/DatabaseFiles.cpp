#include "tests/support/DatabaseFiles.h"

#include "core/NewDatabase.h"

namespace vaultlet::test {

bool MakeDatabaseFile(const std::string& path, const std::string& name, const std::string& password, int cipherId,
                      unsigned keyIterations) {
    auto database = NewDatabase::Create(path, name, password, cipherId);
    database->SetKeyIterations(keyIterations);
    return database->Save();
}

} // namespace vaultlet::test
