#pragma once

#include <string>
#include <string_view>

namespace vaultlet {

// Creates the file anew (an existing one is truncated) and writes the bytes as they are, without a
// byte-order mark. Other processes may read or delete the file meanwhile. False when the file
// cannot be created or not every byte reached it; an incomplete file is removed again, so a failed
// export never leaves half a file behind. Implemented per platform.
bool WriteExportFile(const std::string& fileName, std::string_view bytes);

} // namespace vaultlet
