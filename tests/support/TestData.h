#pragma once

#include <string>

namespace vaultlet::test {

// Absolute path of a fixture file under tests/data.
std::string DataPath(const std::string& name);
// Whole content of a file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);

} // namespace vaultlet::test
