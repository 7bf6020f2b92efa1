#pragma once

#include <cstddef>

namespace vaultlet {

// The bytes of resources/ExportStyle.css, defined by a source that the build generates from it.
extern const unsigned char kExportStylesheetData[];
extern const std::size_t kExportStylesheetDataSize;

} // namespace vaultlet
