#include "core/TextConversion.h"

#include <cstdint>

namespace vaultlet {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

void AppendUtf16(SecureU16String& out, char32_t code) {
    if (code < 0x10000) {
        out.push_back(static_cast<char16_t>(code));
    } else {
        code -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    }
}

void AppendUtf8(SecureString& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

// Reads one code point from UTF-16; an unpaired surrogate becomes U+FFFD.
char32_t DecodeUtf16(std::u16string_view text, std::size_t& pos) {
    const char16_t unit = text[pos++];
    if (unit < 0xD800 || unit > 0xDFFF) {
        return unit;
    }
    if (unit <= 0xDBFF && pos < text.size() && text[pos] >= 0xDC00 && text[pos] <= 0xDFFF) {
        const char16_t trail = text[pos++];
        return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (trail - 0xDC00);
    }
    return kReplacement;
}

} // namespace

std::optional<char32_t> DecodeUtf8Char(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int length = 0;
    char32_t code = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : low;   // no overlong forms
        high = lead == 0xED ? 0x9F : high; // no encoded surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high; // nothing above U+10FFFF
    } else {
        return std::nullopt;
    }
    for (int i = 1; i < length; ++i) {
        if (pos >= text.size()) {
            return std::nullopt;
        }
        const auto byte = static_cast<unsigned char>(text[pos]);
        const bool inRange = i == 1 ? (byte >= low && byte <= high) : IsContinuation(byte);
        if (!inRange) {
            return std::nullopt;
        }
        code = (code << 6) | (byte & 0x3F);
        ++pos;
    }
    return code;
}

SecureU16String Utf8ToUtf16(std::string_view utf8) {
    SecureU16String out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        AppendUtf16(out, DecodeUtf8Char(utf8, pos).value_or(kReplacement));
    }
    return out;
}

SecureString Utf16ToUtf8(std::u16string_view utf16) {
    SecureString out;
    out.reserve(utf16.size() * 3);
    std::size_t pos = 0;
    while (pos < utf16.size()) {
        AppendUtf8(out, DecodeUtf16(utf16, pos));
    }
    return out;
}

SecureString AnsiToUtf8(std::string_view ansi) {
    return Utf16ToUtf8(AnsiToUtf16(ansi).Viewed());
}

SecureString Utf8ToAnsi(std::string_view utf8) {
    return Utf16ToAnsi(Utf8ToUtf16(utf8).Viewed());
}

} // namespace vaultlet
