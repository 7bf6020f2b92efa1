// The export and import file dialogs, showing the first of their format filters.
#include "tools/gallery/Gallery.h"

#include "core/EncryptedDatabase.h"
#include "shell/CurrentDatabase.h"
#include "shell/win32/exchange/ExportCommand.h"
#include "shell/win32/exchange/ImportCommand.h"

namespace vaultlet::gallery {
namespace {

void RunWithOpenDatabase(const std::function<void()>& command) {
    CurrentDatabase::Set(std::make_unique<EncryptedDatabase>());
    command();
    CurrentDatabase::Reset();
}

const Registration kExport("export-dialog",
                           [](Scene&) { RunWithOpenDatabase([] { ExportDatabaseCommand(nullptr); }); });

const Registration kImport("import-dialog", [](Scene&) { RunWithOpenDatabase([] { ImportCommand(nullptr, [] {}); }); });

} // namespace
} // namespace vaultlet::gallery
