// Outside Windows there are no module resources: the build compiles resources/vaultlet_lang.xml in
// (see services/CMakeLists.txt).
#include "services/EmbeddedLanguageFile.h"

#include "services/posix/DefaultLanguageFileData.h"

namespace vaultlet {

std::string_view EmbeddedLanguageFile() {
    return std::string_view(reinterpret_cast<const char*>(kDefaultLanguageFileData), kDefaultLanguageFileDataSize);
}

} // namespace vaultlet
