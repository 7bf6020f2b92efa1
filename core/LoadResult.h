#pragma once

namespace vaultlet {

// Outcome of opening a database file. The numbers are part of the program's interface (the
// command-line tool exits with them).
enum class LoadResult {
    Loaded = 0,
    // No candidate key turns the check block into the check value.
    WrongPassword = 1,
    // Too short, wrong magic, unreadable name, implausible header, data not whole blocks, or a
    // document that does not parse or whose root does not read.
    NotADatabase = 2,
    CannotOpen = 3,
    // The check block or a data block cannot be read, or a block fails to decrypt.
    ReadFailure = 4,
    UnknownCipher = 5,
};

} // namespace vaultlet
