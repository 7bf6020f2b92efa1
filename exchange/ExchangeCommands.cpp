#include "exchange/ExchangeCommands.h"

#include "core/Database.h"
#include "exchange/ExportFormatList.h"
#include "exchange/ImportFormatList.h"

namespace vaultlet {
namespace {

ImportOutcome ImportAndMerge(ImportFormat& format, const std::string& fileName, Database& openDatabase) {
    ImportOutcome outcome;
    outcome.displayName = std::string(format.displayName());
    const std::unique_ptr<Database> imported = format.importFrom(fileName);
    if (!imported) {
        outcome.status = format.lastFailure() == ImportFailure::TextNotExact ? ImportOutcome::Status::TextNotExact
                                                                             : ImportOutcome::Status::Failed;
        return outcome;
    }
    outcome.counts = {imported->GroupCount(), imported->PasscardCount(), imported->ItemCount()};
    if (imported->GroupCount() == 0) {
        outcome.status = ImportOutcome::Status::Empty;
        return outcome;
    }
    openDatabase.MergeGroups(*imported);
    outcome.status = ImportOutcome::Status::Merged;
    return outcome;
}

} // namespace

ExportOutcome ExportThroughFilter(const ExportFormatList& formats, int filterIndex, const std::string& fileName,
                                  const Database& database, const ModelNode* node) noexcept {
    const ExportFormat* format = formats.at(filterIndex - 1);
    if (format == nullptr || fileName.empty()) {
        return ExportOutcome::NoFormat;
    }
    return format->exportTo(fileName, database, node) ? ExportOutcome::Written : ExportOutcome::Failed;
}

ImportOutcome ImportThroughFilter(const ImportFormatList& formats, int filterIndex, const std::string& fileName,
                                  Database& openDatabase) noexcept {
    ImportFormat* format = formats.at(filterIndex - 1);
    if (format == nullptr || fileName.empty()) {
        return {};
    }
    try {
        return ImportAndMerge(*format, fileName, openDatabase);
    } catch (...) {
        // Memory ran out for a text or a list; importFrom itself never throws.
        ImportOutcome failed;
        failed.status = ImportOutcome::Status::Failed;
        return failed;
    }
}

} // namespace vaultlet
