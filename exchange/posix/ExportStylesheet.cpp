#include "exchange/ExportStylesheet.h"

#include "exchange/posix/ExportStylesheetData.h"

namespace vaultlet {

std::string_view ExportStylesheet() {
    return std::string_view(reinterpret_cast<const char*>(kExportStylesheetData), kExportStylesheetDataSize);
}

} // namespace vaultlet
