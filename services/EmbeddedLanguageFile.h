#pragma once

#include <string_view>

namespace vaultlet {

// The default language file compiled into the program: on Windows the resource of type "XML"
// with id 254 of the program's own module, elsewhere the same file built into the library. Empty
// when it cannot be found or loaded.
std::string_view EmbeddedLanguageFile();

} // namespace vaultlet
