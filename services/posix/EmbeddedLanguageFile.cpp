// Outside Windows there are no module resources: the build turns resources/vaultlet_lang.xml into
// a byte array (see services/CMakeLists.txt).
#include "services/EmbeddedLanguageFile.h"

namespace vaultlet {
namespace {

constexpr unsigned char kLanguageFile[] = {
#include "EmbeddedLanguageFile.inc"
};

} // namespace

std::string_view EmbeddedLanguageFile() {
    return std::string_view(reinterpret_cast<const char*>(kLanguageFile), sizeof kLanguageFile);
}

} // namespace vaultlet
