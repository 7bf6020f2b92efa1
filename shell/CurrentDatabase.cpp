#include "shell/CurrentDatabase.h"

namespace vaultlet {
namespace {

std::unique_ptr<EncryptedDatabase>& Owned() noexcept {
    static std::unique_ptr<EncryptedDatabase> database;
    return database;
}

} // namespace

EncryptedDatabase* CurrentDatabase::Get() noexcept {
    return Owned().get();
}

void CurrentDatabase::Set(std::unique_ptr<EncryptedDatabase> database) noexcept {
    Owned() = std::move(database);
}

} // namespace vaultlet
