#include "core/NewDatabase.h"

namespace vaultlet {

std::string NewDatabase::DefaultName(std::string_view path) {
    // Both separators: the program passes Windows paths, the command-line tool also POSIX ones.
    const std::size_t slash = path.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) {
        name = name.substr(0, dot);
    }
    return std::string(name);
}

std::unique_ptr<EncryptedDatabase> NewDatabase::Create(const std::string& path, std::string_view name,
                                                       std::string_view password, int cipherId,
                                                       FileSystem& fileSystem) {
    auto database = std::make_unique<EncryptedDatabase>(fileSystem);
    database->SetPath(path);
    database->SetName(name);
    database->SetPassword(password);
    database->SetCipherId(cipherId);
    for (const char* group : kDefaultGroups) {
        database->Add(std::make_unique<Group>(group));
    }
    return database;
}

} // namespace vaultlet
