#pragma once

#include "core/FileSystem.h"

#include <functional>
#include <memory>
#include <string>

namespace vaultlet {

// Tries one name for a new file: the file created under it, or null. On null, `nameTaken` tells a
// name some file already has (worth another try) from any other failure.
using CreateNamedFile = std::function<std::unique_ptr<OutputFile>(const std::string& name, bool& nameTaken)>;

// Creates a new file beside `path` under a name no file has: `path`, a dot, eight random hexadecimal
// digits and ".tmp". A taken name makes way for another, 16 at the most; any other failure, or one of
// the random source, ends the search with null. `createdPath` receives the name the file got.
std::unique_ptr<OutputFile> CreateWithUniqueName(const std::string& path, std::string& createdPath,
                                                 const CreateNamedFile& create);

} // namespace vaultlet
