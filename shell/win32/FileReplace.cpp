#include "shell/FileReplace.h"

#include <windows.h>

namespace vaultlet {

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    // The C runtime's rename refuses an existing target on Windows; MoveFileEx replaces it.
    return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

} // namespace vaultlet
