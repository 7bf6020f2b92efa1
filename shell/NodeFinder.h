#pragma once

#include "core/CaseFolding.h"
#include "core/SecureString.h"

#include <string_view>
#include <vector>

namespace vaultlet {

class Database;
class Item;
class ModelNode;

// Edit > Find: every node of a database whose texts hold the searched text anywhere, ignoring case
// as the code page folds it: the names of groups, passcards and fields, the values of fields that
// are not hidden, the fields' extra rows (comment or key name) and the notes of every node. A
// hidden value is never looked at, so what is found tells nothing about a password; neither is
// attached data.
class NodeFinder {
public:
    // Where a node holds the text, one bit each.
    enum Place : unsigned { kName = 1U, kValue = 2U, kMeta = 4U, kNote = 8U };

    struct Found {
        const ModelNode* node;
        unsigned places;
    };

    explicit NodeFinder(std::string_view text, const CaseFolding& folding = CaseFolding::Ansi());

    // True when the text lies anywhere in `where`; an empty text is found nowhere.
    bool Contains(std::string_view where) const noexcept;
    // The places of the node that hold the text; 0 when none does.
    unsigned PlacesIn(const ModelNode& node) const;
    // Every node that holds the text, in the tree's order: the database (its note), then each group
    // followed by its passcards, each passcard followed by its fields.
    std::vector<Found> FindAll(const Database& database) const;

    // "Group / Passcard / Field" down to the node; the database itself by its name.
    static SecureString PathOf(const ModelNode& node);
    // The field of the database at this address, found by comparing addresses only: the address may
    // come from another program and is never followed. Null when no field is there.
    static const Item* FieldAt(const Database& database, const void* address);

private:
    void Collect(const ModelNode& node, std::vector<Found>& found) const;

    // The searched text, folded.
    SecureString m_text;
    const CaseFolding& m_folding;
};

} // namespace vaultlet
