#include "core/GroupNameIndex.h"

#include "core/Database.h"

namespace vaultlet {

GroupNameIndex::GroupNameIndex(Database& database) : m_database(database) {
    for (const auto& group : database.Children()) {
        m_first.emplace(group->Name().Viewed(), group.get());
    }
}

Group* GroupNameIndex::Find(std::string_view name) const {
    const auto found = m_first.find(name);
    return found != m_first.end() ? found->second : nullptr;
}

Group* GroupNameIndex::Add(std::unique_ptr<Group> group) {
    Group* added = group.get();
    m_database.Add(std::move(group));
    if (added != nullptr) {
        m_first.emplace(added->Name().Viewed(), added);
    }
    return added;
}

Group* GroupNameIndex::FindOrAdd(std::string_view name) {
    if (Group* group = Find(name)) {
        return group;
    }
    return Add(std::make_unique<Group>(name));
}

} // namespace vaultlet
