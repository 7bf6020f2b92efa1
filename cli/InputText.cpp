#include "cli/InputText.h"

#include <streambuf>

namespace vaultlet {
namespace {

void DropLineEnd(SecureString& text) {
    if (text.ends_with('\n')) {
        text.pop_back();
        if (text.ends_with('\r')) {
            text.pop_back();
        }
    }
}

} // namespace

bool ReadInputLine(std::istream& in, SecureString& line) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    bool any = false;
    for (int c = buffer->sbumpc(); c != std::streambuf::traits_type::eof(); c = buffer->sbumpc()) {
        any = true;
        line.push_back(static_cast<char>(c));
        if (c == '\n') {
            break;
        }
    }
    DropLineEnd(line);
    return any;
}

SecureString ReadRemainingInput(std::istream& in) {
    SecureString text;
    std::streambuf* buffer = in.rdbuf();
    for (int c = buffer->sbumpc(); c != std::streambuf::traits_type::eof(); c = buffer->sbumpc()) {
        text.push_back(static_cast<char>(c));
    }
    DropLineEnd(text);
    return text;
}

} // namespace vaultlet
