#include "cli/OutputText.h"

#include "core/TextConversion.h"

#include <algorithm>

namespace vaultlet {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr char kDelete = 0x7F;

bool IsAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

bool IsC1Control(char16_t c) {
    return c >= 0x80 && c <= 0x9F;
}

template <typename Text>
void AppendCode(Text& line, unsigned code) {
    line += "\\x";
    line += kHexDigits[(code >> 4) & 0xF];
    line += kHexDigits[code & 0xF];
}

template <typename Text>
void AppendAscii(Text& line, char c) {
    if (c == '\n') {
        line += "\\n";
    } else if (c == '\r') {
        line += "\\r";
    } else if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == kDelete) {
        AppendCode(line, static_cast<unsigned char>(c));
    } else {
        line += c;
    }
}

// A run of bytes above 127 holds whole characters of the system's character set (in UTF-8 every byte
// of a multi-byte character is one). It keeps its bytes unless it holds a C1 control character
// (U+0080 to U+009F, in UTF-8 the bytes C2 80 to C2 9F), which a terminal may take as the start of
// an escape sequence.
template <typename Text>
void AppendNonAscii(Text& line, std::string_view run) {
    const SecureU16String wide = AnsiToUtf16(run);
    if (std::none_of(wide.begin(), wide.end(), IsC1Control)) {
        line.append(run);
        return;
    }
    const std::u16string_view characters(wide.data(), wide.size());
    std::size_t start = 0;
    for (std::size_t i = 0; i <= characters.size(); ++i) {
        if (i == characters.size() || IsC1Control(characters[i])) {
            line.append(Utf16ToAnsi(characters.substr(start, i - start)).Viewed());
            if (i < characters.size()) {
                AppendCode(line, characters[i]);
            }
            start = i + 1;
        }
    }
}

template <typename Text>
void AppendEscaped(Text& line, std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (IsAscii(text[pos])) {
            AppendAscii(line, text[pos++]);
            continue;
        }
        const std::size_t end = std::find_if(text.begin() + pos, text.end(), IsAscii) - text.begin();
        AppendNonAscii(line, text.substr(pos, end - pos));
        pos = end;
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
