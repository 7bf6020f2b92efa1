#pragma once

#include <string_view>

namespace vaultlet {

// The stylesheet of the HTML export page, as the raw bytes of resources/ExportStyle.css: on Windows
// the program's own "CSS" resource IDR_EXPORT_STYLESHEET, elsewhere the same file compiled in.
// Empty when the resource cannot be found, loaded or locked, or is empty.
std::string_view ExportStylesheet();

} // namespace vaultlet
