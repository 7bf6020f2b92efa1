#pragma once

#include "core/Database.h"
#include "core/ModifiedFlag.h"

#include <memory>

namespace vaultlet {

// Runs the body of one importFrom. Building the separate database of an import goes through the
// model's setters and its constructor, which raise and clear the process-wide ModifiedFlag; that
// flag belongs to the open database, so it is put back as it was. An exception (memory running out
// on a large file) makes the import fail instead of crossing the library boundary.
template <typename Body>
std::unique_ptr<Database> GuardedImport(Body&& body) noexcept {
    const bool wasModified = ModifiedFlag::IsRaised();
    std::unique_ptr<Database> database;
    try {
        database = body();
    } catch (...) {
        database.reset();
    }
    if (wasModified) {
        ModifiedFlag::Raise();
    } else {
        ModifiedFlag::Clear();
    }
    return database;
}

} // namespace vaultlet
