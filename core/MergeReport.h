#pragma once

#include <cstddef>

namespace vaultlet {

// What merging another copy of a database into this one did to this one. A node counts once with
// everything below it (a new group with its passcards is one addition).
struct MergeReport {
    // Nodes that came from the other copy: new there, or changed there after this copy removed them.
    std::size_t added = 0;
    // Nodes the other copy removed and this copy had left as they were.
    std::size_t removed = 0;
    // Nodes whose own fields took the other copy's changes.
    std::size_t changed = 0;
    // Versions of the other copy put beside this copy's ("<name> (other copy)"), because both
    // changed the same field differently.
    std::size_t otherCopies = 0;

    // The database's own settings stay this copy's; these say where the other copy's differed.
    bool otherName = false;
    bool otherImage = false;
    bool otherCipher = false;
    bool otherKeyIterations = false;
    bool otherPassword = false;
    // Both copies changed the database's note differently: the other copy's text follows this copy's.
    bool notesJoined = false;

    bool operator==(const MergeReport&) const = default;
};

} // namespace vaultlet
