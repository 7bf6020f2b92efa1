#include "shell/FileReplace.h"

#include <cstdio>

namespace vaultlet {

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    // POSIX rename replaces the target atomically.
    return std::rename(source.c_str(), target.c_str()) == 0;
}

} // namespace vaultlet
