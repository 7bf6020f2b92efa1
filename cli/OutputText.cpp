#include "cli/OutputText.h"

namespace vaultlet {
namespace {

template <typename Text>
void AppendEscaped(Text& line, std::string_view text) {
    for (const char c : text) {
        if (c == '\n') {
            line += "\\n";
        } else if (c == '\r') {
            line += "\\r";
        } else {
            line += c;
        }
    }
}

} // namespace

void AppendOneLine(SecureString& line, std::string_view text) {
    AppendEscaped(line, text);
}

std::string OneLine(std::string_view text) {
    std::string line;
    AppendEscaped(line, text);
    return line;
}

} // namespace vaultlet
