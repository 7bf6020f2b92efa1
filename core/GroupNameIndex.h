#pragma once

#include "core/Group.h"

#include <memory>
#include <string_view>
#include <unordered_map>

namespace vaultlet {

class Database;

// The first group of each name in a database, for adding many groups by name without searching the
// list each time (an import may bring thousands). Every group added while the index is in use goes
// through it, and no indexed group is renamed or removed meanwhile: the keys are views of the
// groups' own names, so no copy of a name is left unwiped.
class GroupNameIndex {
public:
    explicit GroupNameIndex(Database& database);

    // The first group of that exact name, or null; as Database::FindByName.
    Group* Find(std::string_view name) const;
    // Appends the group to the database and indexes it (when it is the first of its name).
    Group* Add(std::unique_ptr<Group> group);
    // The first group of that name, or a new empty one appended.
    Group* FindOrAdd(std::string_view name);

private:
    Database& m_database;
    std::unordered_map<std::string_view, Group*> m_first;
};

} // namespace vaultlet
