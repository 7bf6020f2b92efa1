#pragma once

#include <cstddef>

namespace vaultlet {

// The bytes of resources/vaultlet_lang.xml, defined by a source that the build generates from it.
extern const unsigned char kDefaultLanguageFileData[];
extern const std::size_t kDefaultLanguageFileDataSize;

} // namespace vaultlet
