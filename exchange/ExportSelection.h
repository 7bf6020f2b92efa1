#pragma once

#include <optional>

namespace vaultlet {

class Database;
class Group;
class Item;
class ModelNode;
class Passcard;

// The part of a database that an export writes, chosen by the node given to it:
// - Database (node null or the database): every group with all passcards and items;
// - Group: that group with all its passcards and items;
// - Passcard: its group's name and comment only, holding this passcard with all its items;
// - Item: its group's name and comment, its passcard's own values, holding this item alone.
struct ExportSelection {
    enum class Scope { Database, Group, Passcard, Item };

    Scope scope = Scope::Database;
    const Group* group = nullptr;
    const Passcard* passcard = nullptr;
    const Item* item = nullptr;

    // Climbs from the node to its group through the parent links. Nothing when the node is not
    // part of the database (detached, or held by another one).
    static std::optional<ExportSelection> Resolve(const Database& database, const ModelNode* node);
};

} // namespace vaultlet
