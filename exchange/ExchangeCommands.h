#pragma once

#include <cstddef>
#include <string>

namespace vaultlet {

class Database;
class ExportFormatList;
class ImportFormatList;
class ModelNode;

// The part of the export and import commands that needs no window. The main window shows the file
// dialog with the list's filters (FileDialogFilter), passes on the file name and the dialog's filter
// index, which counts from 1, and chooses the message from the outcome.

enum class ExportOutcome {
    NoFormat, // the filter index names no format, or the file name is empty
    Failed,   // the format could not write the file; not reported to the user
    Written,
};

// Exports through the format of the chosen filter (the index alone decides, whatever the file's
// extension).
ExportOutcome ExportThroughFilter(const ExportFormatList& formats, int filterIndex, const std::string& fileName,
                                  const Database& database, const ModelNode* node) noexcept;

// What an import brought: the imported database's counts, taken before the merge.
struct ImportCounts {
    std::size_t groups = 0;
    std::size_t passcards = 0;
    std::size_t items = 0;
};

struct ImportOutcome {
    enum class Status {
        NoFormat,     // the filter index names no format, or the file name is empty: nothing to report
        Failed,       // the format could not read the file: report it with the format's display name
        TextNotExact, // the file holds text the system's code page would change: nothing merged,
                      // report it with the format's display name
        Empty,        // the file held no group: nothing merged, nothing reported
        Merged,       // the groups were merged into the open database: report the counts
    };
    Status status = Status::NoFormat;
    std::string displayName; // of the chosen format
    ImportCounts counts;
};

// Imports through the format of the chosen filter and merges the imported groups into the open
// database (Database::MergeGroups: names that are taken get a number; passcards are never merged
// into existing groups; the imported database's own name and comment are dropped). The open
// database is changed only when the status is Merged.
ImportOutcome ImportThroughFilter(const ImportFormatList& formats, int filterIndex, const std::string& fileName,
                                  Database& openDatabase) noexcept;

} // namespace vaultlet
