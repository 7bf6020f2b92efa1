#include "tests/support/TestData.h"

#include <fstream>
#include <iterator>
#include <regex>

namespace vaultlet::test {

std::string DataPath(const std::string& name) {
    return std::string(VAULTLET_TEST_DATA_DIR) + "/" + name;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string SourcePath(const std::string& relative) {
    return DataPath("../../" + relative);
}

std::map<std::string, int> DefinedIds(const std::string& header, const std::string& prefix) {
    const std::string text = ReadFileBytes(SourcePath(header));
    std::map<std::string, int> ids;
    const std::regex define("#define[ \\t]+(" + prefix + "[A-Z0-9_]+)[ \\t]+([0-9]+)\\b");
    for (std::sregex_iterator it(text.begin(), text.end(), define), end; it != end; ++it) {
        ids[(*it)[1]] = std::stoi((*it)[2]);
    }
    return ids;
}

} // namespace vaultlet::test
