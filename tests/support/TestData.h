#pragma once

#include <map>
#include <string>

namespace vaultlet::test {

// Absolute path of a fixture file under tests/data.
std::string DataPath(const std::string& name);
// Whole content of a file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// Absolute path of a file of the source tree, given from its top ("resources/resource.h").
std::string SourcePath(const std::string& relative);
// name -> value of every decimal "#define PREFIX... N" of a header of the source tree.
std::map<std::string, int> DefinedIds(const std::string& header, const std::string& prefix);

} // namespace vaultlet::test
