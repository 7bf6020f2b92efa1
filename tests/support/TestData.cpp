#include "tests/support/TestData.h"

#include <fstream>
#include <iterator>

namespace vaultlet::test {

std::string DataPath(const std::string& name) {
    return std::string(VAULTLET_TEST_DATA_DIR) + "/" + name;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace vaultlet::test
