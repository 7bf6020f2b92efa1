#include "exchange/XmlTextCheck.h"

#include "core/TextConversion.h"
#include "exchange/AsciiText.h"

#include <cstdint>
#include <optional>

namespace vaultlet {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr char32_t kMaxCodePoint = 0x10FFFF;

bool IsXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= kMaxCodePoint);
}

bool AllCharactersAllowed(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto code = DecodeUtf8Char(text, pos);
        if (!code || !IsXmlChar(*code)) {
            return false;
        }
    }
    return true;
}

int DigitValue(char c, int base) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (base == 16 && c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (base == 16 && c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The character named by the reference "&#...;" or "&#x...;" at text[pos]; advances past the ';'.
// Nothing when the reference is malformed or its value lies beyond Unicode.
std::optional<char32_t> ReadCharacterReference(std::string_view text, std::size_t& pos) {
    pos += 2;
    int base = 10;
    if (pos < text.size() && text[pos] == 'x') {
        base = 16;
        ++pos;
    }
    std::uint32_t value = 0;
    std::size_t digits = 0;
    for (; pos < text.size() && text[pos] != ';'; ++pos, ++digits) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
        if (value > kMaxCodePoint) {
            return std::nullopt;
        }
    }
    if (pos >= text.size() || digits == 0) {
        return std::nullopt;
    }
    ++pos;
    return static_cast<char32_t>(value);
}

// Moves pos past the section that starts there and ends with the terminator; false when the
// section never ends.
bool SkipSection(std::string_view text, std::size_t& pos, std::string_view opener, std::string_view terminator) {
    const std::size_t end = text.find(terminator, pos + opener.size());
    if (end == std::string_view::npos) {
        return false;
    }
    pos = end + terminator.size();
    return true;
}

bool ReferencesAllowed(std::string_view text) {
    constexpr std::string_view kComment = "<!--";
    constexpr std::string_view kCdata = "<![CDATA[";
    std::size_t pos = 0;
    while ((pos = text.find_first_of("<&", pos)) != std::string_view::npos) {
        const std::string_view rest = text.substr(pos);
        if (rest.starts_with(kComment)) {
            if (!SkipSection(text, pos, kComment, "-->")) {
                return false;
            }
        } else if (rest.starts_with(kCdata)) {
            if (!SkipSection(text, pos, kCdata, "]]>")) {
                return false;
            }
        } else if (rest.starts_with("&#")) {
            const auto code = ReadCharacterReference(text, pos);
            if (!code || !IsXmlChar(*code)) {
                return false;
            }
        } else {
            ++pos;
        }
    }
    return true;
}

std::size_t SkipSpace(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsXmlSpace(text[pos])) {
        ++pos;
    }
    return pos;
}

// The value of the declaration's encoding pseudo-attribute; nothing when there is none, and an
// impossible name when it is malformed.
std::optional<std::string_view> DeclaredEncoding(std::string_view declaration) {
    constexpr std::string_view kEncoding = "encoding";
    const std::size_t at = declaration.find(kEncoding);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    std::size_t pos = SkipSpace(declaration, at + kEncoding.size());
    if (pos >= declaration.size() || declaration[pos] != '=') {
        return "";
    }
    pos = SkipSpace(declaration, pos + 1);
    if (pos >= declaration.size() || (declaration[pos] != '"' && declaration[pos] != '\'')) {
        return "";
    }
    const std::size_t end = declaration.find(declaration[pos], pos + 1);
    if (end == std::string_view::npos) {
        return "";
    }
    return declaration.substr(pos + 1, end - pos - 1);
}

bool DeclaresUtf8OrNothing(std::string_view text) {
    constexpr std::string_view kOpener = "<?xml";
    // Only the declaration may start a document this way; "<?xml-stylesheet" is something else.
    if (!text.starts_with(kOpener) || text.size() == kOpener.size() || !IsXmlSpace(text[kOpener.size()])) {
        return true;
    }
    const std::size_t end = text.find("?>");
    if (end == std::string_view::npos) {
        return false;
    }
    const auto encoding = DeclaredEncoding(text.substr(0, end));
    return !encoding || EqualsIgnoringAsciiCase(*encoding, "UTF-8");
}

} // namespace

bool IsUtf8XmlText(std::string_view text) {
    if (text.starts_with(kUtf8Bom)) {
        text.remove_prefix(kUtf8Bom.size());
    }
    return AllCharactersAllowed(text) && DeclaresUtf8OrNothing(text) && ReferencesAllowed(text);
}

} // namespace vaultlet
