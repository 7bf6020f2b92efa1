#pragma once

#include "core/SecureString.h"

#include <string>
#include <string_view>
#include <vector>

namespace vaultlet {

class Database;
class Group;
class Item;
class ModelNode;
class Passcard;

// A node of a database named on the command line: "GROUP", "GROUP/PASSCARD" or
// "GROUP/PASSCARD/ITEM", where "\/" stands for a "/" inside a name (any other backslash is itself).
// Names match exactly (case-sensitive); the first node of that name is meant.
class NodePath {
public:
    static constexpr std::size_t kMaxDepth = 3;

    // Throws a usage error (CliFailure) for an empty path or name, or more than three names.
    static NodePath Parse(std::string_view text);

    std::size_t Depth() const noexcept { return m_names.size(); }
    const std::string& Name(std::size_t index) const noexcept { return m_names[index]; }
    const std::string& LastName() const noexcept { return m_names.back(); }
    // The path written back, "/" inside names escaped again.
    std::string Text() const;
    // The path without its last name, as text (for messages).
    std::string ParentText() const;
    // The path of a group, passcard or item of a database, written as Parse reads it.
    static SecureString Of(const ModelNode& node);

    // The nodes the path names, from the group down; throws a usage error naming the first name
    // that is not found.
    struct Nodes {
        Group* group = nullptr;
        Passcard* passcard = nullptr;
        Item* item = nullptr;
        // The deepest of the three.
        ModelNode* Last() const noexcept;
    };
    Nodes Resolve(const Database& database) const;
    // Only the containers above the last name (for adding to them).
    Nodes ResolveParent(const Database& database) const;

private:
    Nodes ResolveDepth(const Database& database, std::size_t depth) const;

    std::vector<std::string> m_names;
};

} // namespace vaultlet
