#pragma once

namespace vaultlet {

// Outcome of saving a database file. On anything but Saved the file on disk is as it was.
enum class SaveResult {
    Saved,
    // The content could not be built, encrypted or written, or the file could not be replaced.
    Failed,
    // Someone else replaced or rewrote the file since it was loaded or last saved; overwriting it
    // would lose their change.
    ChangedOnDisk,
};

} // namespace vaultlet
