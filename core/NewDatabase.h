#pragma once

#include "core/EncryptedDatabase.h"

#include <memory>
#include <string>
#include <string_view>

namespace vaultlet {

// What a database created by the user starts with, and how its name is proposed.
class NewDatabase {
public:
    // The groups of a new database, in order.
    static constexpr const char* kDefaultGroups[] = {"Network", "Internet", "E-Mail", "HomeBanking", "Software"};

    // The file name without its folder and without its last extension: C:\Data\my.vault.kvtdat gives
    // "my.vault"; a name without a dot stays whole.
    static std::string DefaultName(std::string_view path);

    // A database with the path, name, password and cipher, the default iteration count and the five
    // default groups. Not saved yet.
    static std::unique_ptr<EncryptedDatabase> Create(const std::string& path, std::string_view name,
                                                     std::string_view password, int cipherId,
                                                     FileSystem& fileSystem = FileSystem::Real());
};

} // namespace vaultlet
