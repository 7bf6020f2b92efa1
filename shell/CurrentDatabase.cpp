#include "shell/CurrentDatabase.h"

#include <atomic>

namespace vaultlet {
namespace {

std::unique_ptr<EncryptedDatabase>& Owned() noexcept {
    static std::unique_ptr<EncryptedDatabase> database;
    return database;
}

std::atomic<unsigned long> g_generation{0};

} // namespace

EncryptedDatabase* CurrentDatabase::Get() noexcept {
    return Owned().get();
}

void CurrentDatabase::Set(std::unique_ptr<EncryptedDatabase> database) noexcept {
    Owned() = std::move(database);
    ++g_generation;
}

void CurrentDatabase::ContentReplaced() noexcept {
    ++g_generation;
}

unsigned long CurrentDatabase::Generation() noexcept {
    return g_generation;
}

} // namespace vaultlet
