#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace vaultlet {

class Database;

// Why an import gave no database.
enum class ImportFailure {
    Unreadable,   // the file could not be read or is not in the format
    TextNotExact, // some text in it would not survive the system's code page unchanged
};

// A file format that a database can be read from. An import builds a new database of its own; the
// caller merges it into the open one.
class ImportFormat {
public:
    // Filter text for the file dialog, as ExportFormat::fileFilter.
    virtual std::string_view fileFilter() const = 0;
    // Short name of the format; the failure message names the format by it.
    virtual std::string_view displayName() const = 0;
    // Reads the file into a new database, or returns null when the file cannot be read or is not in
    // this format. Nothing is handed over on failure, and the process-wide ModifiedFlag is left as
    // it was either way.
    virtual std::unique_ptr<Database> importFrom(const std::string& fileName) = 0;
    // Why the last importFrom returned null.
    ImportFailure lastFailure() const noexcept { return m_lastFailure; }

    virtual ~ImportFormat() = default;

protected:
    ImportFailure m_lastFailure = ImportFailure::Unreadable;
};

} // namespace vaultlet
